// libFuzzer target: bytes take the road File > Open takes (parse, records, tree, opening the
// meeting's entry), are written back as Save writes them, and read again. The second reading
// must give the same meeting as the first.

#include <QApplication>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>

#include "app/frmmain.h"
#include "document/meetingfile.h"
#include "model/recordstore.h"
#include "support/frmmaininspector.h"
#include "support/records.h"

namespace {

frmMain *window = nullptr;

[[noreturn]] void fail(const char *what, const QString &detail)
{
    std::fprintf(stderr, "fuzz_open: %s: %s\n", what, qPrintable(detail));
    std::abort();
}

Meeting *read(const QByteArray &contents, bool mustParse)
{
    QDomDocument document;
    QString error;
    if (MeetingFile::parse(contents, document, error))
        return frmMainInspector(*window).readXmlFile(document);
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
    Meeting *opened
        = read(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), false);
    if (!opened)
        return 0;
    frmMainInspector inspector(*window);
    inspector.load({opened});
    window->lvProblems->expandItem(window->lvProblems->topLevelItem(0));
    const MeetingValue first = valueOf(*opened);

    const Meeting *reread = read(inspector.meetingFileContents(0), true);
    if (!(valueOf(*reread) == first))
        fail("the meeting changed on the way back", inspector.buildXmlString(0));

    inspector.forgetMeetings();
    inspector.rebuildTree();
    RecordStore::releaseAll();
    return 0;
}
