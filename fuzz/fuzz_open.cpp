// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: bytes take the road File > Open takes (parse, records, tree, opening the
// meeting's entry), are written back as Save writes them, and read again. The second reading
// must give the same meeting as the first. Reading and writing need no window; the window only
// shows the meeting, and frees it when it forgets it.

#include <QApplication>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "app/frmmain.h"
#include "document/meetingfile.h"
#include "document/meetingreader.h"
#include "document/meetingwriter.h"
#include "support/frmmaininspector.h"
#include "support/records.h"

namespace {

frmMain *window = nullptr;

[[noreturn]] void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "fuzz_open: %s: %s\n", what, qPrintable(detail));
    std::abort();
}

std::unique_ptr<Meeting> read(const QByteArray &contents, bool mustParse)
{
    QDomDocument document;
    QString error;
    if (MeetingFile::parse(contents, document, error))
        return std::unique_ptr<Meeting>(MeetingFile::readMeeting(document));
    if (mustParse)
        fail("the written document does not parse", error);
    return nullptr;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "default.debug=false"); // the traces would drown the output
    new QApplication(*argc, *argv); // lives as long as the process
    window = new frmMain;
    // Fonts and the like load on first use and stay; loading them here keeps the leak check of
    // the first inputs from counting them.
    const QByteArray warmUp = "<meeting about='s'><header date=''><place>p</place></header>"
                              "<problems><problem><short>x</short></problem></problems></meeting>";
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(warmUp.constData()),
                           size_t(warmUp.size()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::unique_ptr<Meeting> opened
        = read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), false);
    if (!opened)
        return 0;
    const Meeting &shown = *opened;
    frmMainInspector inspector(*window);
    inspector.load({opened.release()}); // the window owns it from here
    window->lvProblems->expandItem(window->lvProblems->topLevelItem(0));
    const MeetingValue first = valueOf(shown);

    const QString tree = MeetingFile::meetingText(shown);
    if (!(valueOf(*read(MeetingFile::fileContents(tree), true)) == first))
        fail("the meeting changed on the way back", tree);

    inspector.forgetMeetings();
    inspector.rebuildTree();
    return 0;
}
