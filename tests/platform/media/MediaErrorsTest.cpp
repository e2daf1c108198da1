#include "platform/media/MediaErrors.h"
#include "platform/media/Player.h"

#include <gst/gst.h>
#include <gtest/gtest.h>

namespace trelvan::test {
namespace {

struct ErrorCase {
    GQuark (*domain)();
    int code;
    int expectedCode;
    const char* expectedText;
};

// What the media system reports for a file, and what the operator reads.
TEST(MediaErrors, MapsMediaSystemErrorsToGermanTexts) {
    const QString path = QStringLiteral("/show/xc1.mp3");
    const ErrorCase cases[] = {
        {gst_resource_error_quark, GST_RESOURCE_ERROR_NOT_FOUND, kPlayerFileNotFound,
         "Die Datei /show/xc1.mp3 wurde nicht gefunden."},
        {gst_resource_error_quark, GST_RESOURCE_ERROR_OPEN_READ, kPlayerFileNotReadable,
         "Die Datei /show/xc1.mp3 kann nicht gelesen werden."},
        {gst_stream_error_quark, GST_STREAM_ERROR_TYPE_NOT_FOUND, kPlayerNotPlayable,
         "Die Datei /show/xc1.mp3 ist keine abspielbare Audiodatei."},
        {gst_stream_error_quark, GST_STREAM_ERROR_DECODE, kPlayerNotPlayable,
         "Die Datei /show/xc1.mp3 ist keine abspielbare Audiodatei."},
        {gst_core_error_quark, GST_CORE_ERROR_MISSING_PLUGIN, kPlayerNotPlayable,
         "Die Datei /show/xc1.mp3 ist keine abspielbare Audiodatei."},
        {gst_core_error_quark, GST_CORE_ERROR_CLOCK, kPlayerFailure,
         "Fehler bei der Wiedergabe: Taktgeber"},
    };
    for (const ErrorCase& row : cases) {
        GError* error = g_error_new_literal(row.domain(), row.code, "Taktgeber");
        const PlayerFailure failure = describeMediaError(error, false, path);
        EXPECT_EQ(failure.code, row.expectedCode) << row.expectedText;
        EXPECT_EQ(failure.text.toStdString(), row.expectedText);
        // Whatever the error, when the audio output raised it the machine has no sound.
        const PlayerFailure fromSink = describeMediaError(error, true, path);
        EXPECT_EQ(fromSink.code, kPlayerNoAudioOutput);
        g_error_free(error);
    }
}

TEST(MediaErrors, ErrorTextFallsBackToUnknownCodeOnlyForAFailure) {
    EXPECT_EQ(playerErrorText(kPlayerFailure, QString()).toStdString(), "Unbekannter Fehler-Code");
    EXPECT_EQ(playerErrorText(kPlayerFailure, QStringLiteral("x")).toStdString(), "x");
    EXPECT_TRUE(playerErrorText(0, QStringLiteral("stale")).isEmpty());
}

} // namespace
} // namespace trelvan::test
