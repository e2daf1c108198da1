#pragma once

#include "testcaller/TestSelection.h"

#include <QString>

namespace trelvan {

// Path of the announcement (".wav") or picture (".bmp") of media number n:
// named by the number alone, directly in the test's folder.
QString MovementMediaPath(const TestSelection& test, int n, const QString& extension);

// A step exists when its picture does; announcements are never tested.
bool MovementExists(const TestSelection& test, int n);

} // namespace trelvan
