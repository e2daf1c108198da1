#pragma once

#include "testcaller/TestSelection.h"

class QTextEdit;

namespace trelvan {

// Loads the chosen test's document into the view: rich text, or plain text
// when the file is not rich text. On any failure the view is left empty and
// the operator is told "Keine Aufgabe gewählt!". Never throws.
void loadTestDocumentInto(const TestSelection& test, QTextEdit* view);

} // namespace trelvan
