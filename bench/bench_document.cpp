// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCheckBox>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "app/frmmain.h"
#include "document/atomicfile.h"
#include "document/meetingfile.h"
#include "document/meetingreader.h"
#include "document/meetingwriter.h"
#include "library/meetinglibrary.h"
#include "model/meeting.h"
#include "recovery/filefingerprints.h"
#include "recovery/recoveryjournal.h"
#include "register/decisionregister.h"
#include "register/duedatecalendar.h"
#include "register/frmdecisions.h"
#include "report/reportprinter.h"
#include "support/dialogscript.h"
#include "support/frmmaininspector.h"
#include "support/plainqtwriter.h"

// Reading, writing and reporting a meeting document of 10, 1,000 and 10,000 problems, next to
// the bare QDomDocument parse and serialisation that bound what the reader and writer can reach.
// The texts are as hard as users' are: markup characters, quotes, Cyrillic and guillemets, which
// the file holds as character references. Every benchmark reports the same byte count, the size
// of the file, so their throughputs compare.

namespace {

frmMain *window = nullptr; // the one main window, made in main()

constexpr int participantCount = 50;
constexpr int responsiblesPerProblem = 3;

// The samples cycle through these lists, so the same size always gives the same document.
const QStringList &firstNames()
{
    static const QStringList names = {
        QStringLiteral("Anna"),  QStringLiteral("Борис"),  QStringLiteral("Claire"),
        QStringLiteral("Дарья"), QStringLiteral("Elena"),  QStringLiteral("Фёдор"),
        QStringLiteral("Greta"), QStringLiteral("Hannes"), QStringLiteral("Ирина"),
        QStringLiteral("Jonas"),
    };
    return names;
}

const QStringList &secondNames()
{
    static const QStringList names = {
        QStringLiteral("Becker"),        QStringLiteral("Дюпон"),         QStringLiteral("Fischer"),
        QStringLiteral("Hoffmann"),      QStringLiteral("Lef\u00e8vre"),  QStringLiteral("Мюллер"),
        QStringLiteral("O'Neill"),       QStringLiteral("Schr\u00f6der"), QStringLiteral("Свенсон"),
        QStringLiteral("Weber & Söhne"),
    };
    return names;
}

const QStringList &occupations()
{
    static const QStringList names = {
        QStringLiteral("Project manager"),     QStringLiteral("Разработчик"),
        QStringLiteral("R&D <lead>"),          QStringLiteral("Отдел продаж"),
        QStringLiteral("Head of \"support\""),
    };
    return names;
}

const QStringList &topics()
{
    static const QStringList names = {
        QStringLiteral("Move the release of «Reports» <v2.1>"),
        QStringLiteral("Заменить сервер сборки"),
        QStringLiteral("Agree on the review rota & on-call"),
        QStringLiteral("Бюджет на «весеннюю ярмарку»"),
        QStringLiteral("Hire a second tester (\"QA\" <-> dev)"),
        QStringLiteral("Перенести вики & <база знаний>"),
        QStringLiteral("Renew the support contract, \u20ac 12k"),
        QStringLiteral("Почистить список клиентов"),
    };
    return names;
}

const QString &pick(const QStringList &names, int i)
{
    return names.at(i % names.size());
}

Participant *makeParticipant(RecordStore &records, int i)
{
    auto *person = records.make<Participant>();
    person->firstName = pick(firstNames(), i);
    person->secondName = pick(secondNames(), i / firstNames().size());
    person->occupation = pick(occupations(), i);
    person->email = QStringLiteral("%1.%2@example.org").arg(person->firstName.toLower()).arg(i);
    person->phone = QStringLiteral("+49 30 5550 %1").arg(1000 + i);
    return person;
}

QString fullDescription(int i, const Participant *raisedBy)
{
    return QStringLiteral("Raised by %1 %2 after the last review.\n"
                          "Задерживает %3 открытых задач квартала: «срочно» & <важно>.\n"
                          "Options: postpone it, split the work, or ask for \"outside\" help.\n"
                          "См. протокол прошлого совещания — background & details.")
        .arg(raisedBy->firstName, raisedBy->secondName)
        .arg(2 + i % 9);
}

// The people responsible are records of their own, as a read document holds them.
void addResponsibles(RecordStore &records, Problem *problem,
                     const QList<Participant *> &participants, int i)
{
    for (int k = 0; k < responsiblesPerProblem; ++k) {
        const Participant *person = participants.at((i + 17 * k) % participants.size());
        problem->responsibles->append(records.make<Participant>(*person));
    }
}

Problem *makeProblem(RecordStore &records, int i, const QList<Participant *> &participants)
{
    const Participant *raisedBy = participants.at(i % participants.size());
    auto *problem = records.make<Problem>(
        records, QStringLiteral("%1 (item %2)").arg(pick(topics(), i)).arg(i + 1),
        fullDescription(i, raisedBy));
    problem->notes = i % 3 == 0 ? QStringLiteral("Follow up by e-mail before Friday & «не забыть»")
                                : QString();
    problem->decision->text = QStringLiteral("Agreed: %1 takes the lead and reports back <soon> "
                                             "— решено на следующем совещании.")
                                  .arg(raisedBy->firstName);
    problem->decision->due = QDateTime(QDate(2024, 1, 8).addDays(i % 120), QTime(9 + i % 8, 30));
    addResponsibles(records, problem, participants, i);
    return problem;
}

std::unique_ptr<Meeting> makeMeeting(int problemCount)
{
    auto meeting = std::make_unique<Meeting>();
    meeting->subject = QStringLiteral("Steering committee, %1 problems").arg(problemCount);
    meeting->date = QDateTime(QDate(2024, 1, 4), QTime(14, 0));
    meeting->place = QStringLiteral("Room 2.14, main building");
    meeting->notes = QStringLiteral("Minutes taken by the project office.");
    meeting->decisionText = QStringLiteral("Next meeting in four weeks.");
    for (int i = 0; i < participantCount; ++i)
        meeting->participants->append(makeParticipant(meeting->records, i));
    for (int i = 0; i < problemCount; ++i)
        meeting->problems->append(makeProblem(meeting->records, i, *meeting->participants));
    return meeting;
}

// One meeting, its document as file bytes and as a parsed tree, and the meeting read from it.
struct Sample
{
    QByteArray contents;
    QDomDocument document;
    QString parseError; // empty when the document parsed
    std::unique_ptr<Meeting> meeting;
};

Sample makeSample(int problemCount)
{
    Sample sample;
    sample.contents
        = MeetingFile::fileContents(MeetingFile::meetingText(*makeMeeting(problemCount)));
    if (MeetingFile::parse(sample.contents, sample.document, sample.parseError))
        sample.meeting.reset(MeetingFile::readMeeting(sample.document));
    return sample;
}

// The window holds the sample's meeting alone, read afresh from its tree; its index is 0.
int loadMeeting(const Sample &sample)
{
    frmMainInspector inspector(*window);
    inspector.forgetMeetings();
    inspector.load({MeetingFile::readMeeting(sample.document)});
    return 0;
}

// Frees what the window holds, as a program opening the file once would not have it. Not timed.
void forgetEveryRecord(benchmark::State &state)
{
    state.PauseTiming();
    frmMainInspector inspector(*window);
    inspector.forgetMeetings();
    inspector.rebuildTree();
    state.ResumeTiming();
}

// Built on first use and kept, so every benchmark of one size works on the same document.
const Sample &sample(int problemCount)
{
    static std::map<int, Sample> samples;
    auto found = samples.find(problemCount);
    if (found == samples.end())
        found = samples.emplace(problemCount, makeSample(problemCount)).first;
    return found->second;
}

// A sample the guarded parse refused measures nothing worth reading.
bool skipIfUnreadable(benchmark::State &state, const Sample &sample)
{
    if (sample.parseError.isEmpty())
        return false;
    state.SkipWithError(qPrintable(sample.parseError));
    return true;
}

void reportBytes(benchmark::State &state, const Sample &sample)
{
    state.SetBytesProcessed(state.iterations() * sample.contents.size());
}

// Each iteration also tears down the tree of the one before, in both parse benchmarks alike.
void BM_BareDomParse(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    if (skipIfUnreadable(state, meeting))
        return;
    for (auto _ : state) {
        QDomDocument document;
        benchmark::DoNotOptimize(document.setContent(meeting.contents));
    }
    reportBytes(state, meeting);
}

void BM_GuardedParse(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    if (skipIfUnreadable(state, meeting))
        return;
    QString error;
    for (auto _ : state) {
        QDomDocument document;
        benchmark::DoNotOptimize(MeetingFile::parse(meeting.contents, document, error));
    }
    reportBytes(state, meeting);
}

// Each read's meeting is freed, untimed, before the next read.
void BM_ReadMeeting(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    if (skipIfUnreadable(state, meeting))
        return;
    std::unique_ptr<Meeting> read;
    for (auto _ : state) {
        state.PauseTiming();
        read.reset();
        state.ResumeTiming();
        read.reset(MeetingFile::readMeeting(meeting.document));
    }
    reportBytes(state, meeting);
}

void BM_BareToString(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    if (skipIfUnreadable(state, meeting))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(meeting.document.toString(1));
    reportBytes(state, meeting);
}

// Character references and Latin-1 bytes for a whole serialised tree.
void BM_EncodeTree(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    if (skipIfUnreadable(state, meeting))
        return;
    const QString tree = meeting.document.toString(1);
    for (auto _ : state)
        benchmark::DoNotOptimize(MeetingFile::fileContents(tree));
    reportBytes(state, meeting);
}

// The whole file as Save writes it: the tree's text and its Latin-1 bytes.
void BM_WriteMeeting(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    if (skipIfUnreadable(state, meeting))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            MeetingFile::fileContents(MeetingFile::meetingText(*meeting.meeting)));
    reportBytes(state, meeting);
}

// The same tree built the plain Qt way and written with toString(1): the yardstick for
// BM_WriteMeeting, which does more (the file's bytes too).
void BM_PlainQtWrite(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    if (skipIfUnreadable(state, meeting))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(PlainQtWriter::text(*meeting.meeting));
    reportBytes(state, meeting);
}

// The sample on disk, written once, for the open benchmarks.
QString sampleFile(int problemCount)
{
    static QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("meeting-%1.xml").arg(problemCount));
    if (!QFileInfo::exists(name)) {
        QFile file(name);
        if (file.open(QIODevice::WriteOnly))
            file.write(sample(problemCount).contents);
    }
    return name;
}

// What Save costs: the file's bytes, written whole. The yardstick for the journal's entries and
// for the check of a file changed elsewhere.
void BM_SaveMeeting(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    if (skipIfUnreadable(state, meeting))
        return;
    QTemporaryDir dir;
    QString reason;
    for (auto _ : state)
        AtomicFile::write(dir.filePath(QStringLiteral("saved.xml")),
                          MeetingFile::fileContents(MeetingFile::meetingText(*meeting.meeting)),
                          reason);
    reportBytes(state, meeting);
}

// One journal entry as the window writes it a moment after an edit, on the window's thread.
void BM_JournalEntry(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    if (skipIfUnreadable(state, meeting))
        return;
    QTemporaryDir dir;
    RecoveryJournal journal(dir.path());
    QString reason;
    for (auto _ : state) {
        JournalEntry entry;
        entry.subject = meeting.meeting->subject;
        entry.written = QDateTime::currentDateTimeUtc();
        entry.meetingContents
            = MeetingFile::fileContents(MeetingFile::meetingText(*meeting.meeting));
        journal.write(QStringLiteral("entry"), entry, reason);
    }
    reportBytes(state, meeting);
}

// The question before a save: is the file still what this program last read or wrote?
void BM_ChangedElsewhere(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    if (skipIfUnreadable(state, meeting))
        return;
    const QString file = sampleFile(int(state.range(0)));
    FileFingerprints fingerprints;
    QByteArray contents;
    QString reason;
    MeetingFile::readRegularFile(file, contents, reason);
    fingerprints.remember(file, contents);
    for (auto _ : state)
        benchmark::DoNotOptimize(fingerprints.changedElsewhere(file));
    reportBytes(state, meeting);
}

// What Open does after the file dialog: read, parse, build the records and the tree. The tree
// of the previous iteration is cleared on the way, as a Replace does.
void BM_OpenMeeting(benchmark::State &state)
{
    const QString file = sampleFile(int(state.range(0)));
    frmMainInspector inspector(*window);
    for (auto _ : state) {
        forgetEveryRecord(state);
        inspector.openFile(file);
    }
    reportBytes(state, sample(int(state.range(0))));
}

// Clearing and filling the tree alone, for the meeting the open benchmarks load.
void BM_RebuildTree(benchmark::State &state)
{
    const QString file = sampleFile(int(state.range(0)));
    frmMainInspector inspector(*window);
    inspector.forgetMeetings();
    inspector.openFile(file);
    for (auto _ : state)
        inspector.rebuildTree();
    reportBytes(state, sample(int(state.range(0))));
}

// Opening the meeting entry again: the tree lays out its entries, and the problems, already in
// tree order, are matched once more.
void BM_ReopenEntry(benchmark::State &state)
{
    const QString file = sampleFile(int(state.range(0)));
    frmMainInspector inspector(*window);
    inspector.forgetMeetings();
    inspector.openFile(file);
    QTreeWidgetItem *entry = window->lvProblems->topLevelItem(0);
    for (auto _ : state) {
        window->lvProblems->expandItem(entry);
        window->lvProblems->collapseItem(entry);
    }
    reportBytes(state, sample(int(state.range(0))));
}

// Opening the meeting entry brings the problem list into the tree's order, which compares
// about n * n / 2 short descriptions the first time.
void BM_OpenAndExpand(benchmark::State &state)
{
    const QString file = sampleFile(int(state.range(0)));
    frmMainInspector inspector(*window);
    for (auto _ : state) {
        forgetEveryRecord(state);
        inspector.openFile(file);
        window->lvProblems->expandItem(window->lvProblems->topLevelItem(0));
    }
    reportBytes(state, sample(int(state.range(0))));
}

// The resident set size of this process, in KiB.
double residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble();
    }
    return 0;
}

// File > Open of the same meeting 20 times, each after the first answered with Replace, as a
// long day of use would. The memory after the twentieth against the memory after the first:
// replaced meetings must be given back. Run it in a process of its own (a filter naming only
// it), since whatever ran before leaves its heap behind. The file is written from a meeting
// that is freed before anything is measured.
void BM_ReplaceMemory(benchmark::State &state)
{
    const int problemCount = int(state.range(0));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("meeting.xml"));
    qsizetype size = 0;
    {
        QFile out(file);
        const QByteArray contents
            = MeetingFile::fileContents(MeetingFile::meetingText(*makeMeeting(problemCount)));
        size = contents.size();
        if (!out.open(QIODevice::WriteOnly) || out.write(contents) != size)
            return state.SkipWithError("cannot write the sample");
    }
    frmMainInspector inspector(*window);
    inspector.forgetMeetings();
    inspector.rebuildTree();
    const double before = residentKiB();
    double one = 0;
    for (auto _ : state) {
        inspector.openFile(file);
        one = residentKiB();
        for (int i = 1; i < 20; ++i) {
            DialogScript script({Answers::click(QStringLiteral("Replace"))});
            inspector.openFile(file);
        }
    }
    const double twenty = residentKiB();
    state.counters["MiB_before"] = before / 1024;
    state.counters["MiB_after_1"] = one / 1024;
    state.counters["MiB_after_20"] = twenty / 1024;
    state.counters["ratio_20_to_1"] = twenty / one;
    state.SetBytesProcessed(state.iterations() * size);
}

// The plain-text report that Print draws and a notification mails.
void BM_BuildEmailBody(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    const int index = loadMeeting(meeting);
    const frmMainInspector inspector(*window);
    for (auto _ : state)
        benchmark::DoNotOptimize(inspector.buildEmailBody(index));
    reportBytes(state, meeting);
}

// The report drawn into a PDF file, as Print does after its dialog.
void BM_PrintReportToPdf(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    const QString report = frmMainInspector(*window).buildEmailBody(loadMeeting(meeting));
    QTemporaryDir dir;
    for (auto _ : state) {
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFileName(dir.filePath(QStringLiteral("report.pdf")));
        if (!ReportPrinter::print(printer, report, [](int) {}))
            state.SkipWithError("printing failed");
    }
    reportBytes(state, meeting);
}

// The register of decisions filled for the loaded meeting and laid out in its view, as the
// Decisions menu opens it and as every rebuild of the meetings list refills it.
void BM_FillRegister(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    loadMeeting(meeting);
    frmDecisions decisions;
    decisions.show();
    const QList<Meeting *> &meetings = *frmMainInspector(*window).meetings();
    for (auto _ : state) {
        decisions.showMeetings(meetings);
        decisions.lvDecisions->doItemsLayout();
    }
    reportBytes(state, meeting);
}

// One key in the filter field: a name that narrows the list, then the field cleared again.
void BM_FilterRegister(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    loadMeeting(meeting);
    frmDecisions decisions;
    decisions.show();
    decisions.showMeetings(*frmMainInspector(*window).meetings());
    for (auto _ : state) {
        decisions.txtFilter->setText(QStringLiteral("item 77"));
        decisions.lvDecisions->doItemsLayout();
        decisions.txtFilter->clear();
        decisions.lvDecisions->doItemsLayout();
    }
    reportBytes(state, meeting);
}

// The window's register open on the loaded meeting, every other decision done.
frmDecisions *openRegisterHalfDone(const Sample &sample)
{
    loadMeeting(sample);
    Meeting *meeting = frmMainInspector(*window).meetings()->at(0);
    for (qsizetype i = 0; i < meeting->problems->size(); i += 2)
        meeting->problems->at(i)->decision->done = meeting->date;
    window->decisionsOpen();
    return window->findChild<frmDecisions *>();
}

// One decision marked done, so it leaves the list, and open again, as the check column does.
void BM_ToggleDone(benchmark::State &state)
{
    const Sample &sample = ::sample(int(state.range(0)));
    frmDecisions *decisions = openRegisterHalfDone(sample);
    Meeting *meeting = frmMainInspector(*window).meetings()->at(0);
    Problem *problem = meeting->problems->at(meeting->problems->size() / 2 | 1);
    for (auto _ : state) {
        window->markDone(meeting, problem, true);
        decisions->lvDecisions->doItemsLayout();
        window->markDone(meeting, problem, false);
        decisions->lvDecisions->doItemsLayout();
    }
    decisions->close();
    reportBytes(state, sample);
}

// The "Show done" switch on and off again.
void BM_ShowDoneSwitch(benchmark::State &state)
{
    const Sample &sample = ::sample(int(state.range(0)));
    frmDecisions *decisions = openRegisterHalfDone(sample);
    for (auto _ : state) {
        decisions->chkShowDone->setChecked(true);
        decisions->lvDecisions->doItemsLayout();
        decisions->chkShowDone->setChecked(false);
        decisions->lvDecisions->doItemsLayout();
    }
    decisions->close();
    reportBytes(state, sample);
}

// The calendar Export due dates writes, one to-do a problem.
void BM_DueDateCalendar(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    loadMeeting(meeting);
    const QList<Meeting *> &meetings = *frmMainInspector(*window).meetings();
    const QDateTime now(QDate(2024, 1, 4), QTime(14, 0));
    int todoCount = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(DueDateCalendar::text(meetings, now, todoCount));
    reportBytes(state, meeting);
}

// A folder of 1,000 meeting files of 10 problems each, read by the register's library while the
// register is open, as at start with a meeting folder. Reported: the longest the event loop went
// without turning, which is what the user feels as a frozen window.
void BM_ScanFolder(benchmark::State &state)
{
    const int fileCount = int(state.range(0));
    QTemporaryDir folder;
    const QByteArray contents = sample(10).contents;
    for (int i = 0; i < fileCount; ++i) {
        QFile file(folder.filePath(QStringLiteral("meeting-%1.xml").arg(i)));
        if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
            return state.SkipWithError("cannot write the folder");
    }
    frmMainInspector(*window).forgetMeetings();
    window->decisionsOpen();
    auto *decisions = window->findChild<frmDecisions *>();
    qint64 longestStall = 0;
    for (auto _ : state) {
        MeetingLibrary library;
        decisions->setLibrary(&library);
        QEventLoop loop;
        QObject::connect(&library, &MeetingLibrary::scanFinished, &loop, &QEventLoop::quit);
        QElapsedTimer sinceTurn;
        QTimer ticks;
        ticks.setInterval(1);
        QObject::connect(&ticks, &QTimer::timeout,
                         [&] { longestStall = std::max(longestStall, sinceTurn.restart()); });

        sinceTurn.start();
        ticks.start();
        library.setFolders({folder.path()});
        loop.exec();
        longestStall = std::max(longestStall, sinceTurn.elapsed());
        if (decisions->decisions->rowCount() != fileCount * 10)
            return state.SkipWithError("not every file was read");
        decisions->setLibrary(nullptr);
    }
    decisions->close();
    state.counters["longest_stall_ms"] = double(longestStall);
    state.counters["files"] = fileCount;
}

void meetingSizes(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Arg(10)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_BareDomParse)->Apply(meetingSizes);
BENCHMARK(BM_GuardedParse)->Apply(meetingSizes);
BENCHMARK(BM_ReadMeeting)->Apply(meetingSizes);
BENCHMARK(BM_BareToString)->Apply(meetingSizes);
BENCHMARK(BM_EncodeTree)->Apply(meetingSizes);
BENCHMARK(BM_WriteMeeting)->Apply(meetingSizes);
BENCHMARK(BM_PlainQtWrite)->Apply(meetingSizes);
BENCHMARK(BM_SaveMeeting)->Apply(meetingSizes);
BENCHMARK(BM_JournalEntry)->Apply(meetingSizes);
BENCHMARK(BM_ChangedElsewhere)->Apply(meetingSizes);
BENCHMARK(BM_RebuildTree)->Apply(meetingSizes);
BENCHMARK(BM_OpenMeeting)->Apply(meetingSizes);
BENCHMARK(BM_ReopenEntry)->Apply(meetingSizes);
BENCHMARK(BM_OpenAndExpand)->Apply(meetingSizes);
BENCHMARK(BM_BuildEmailBody)->Apply(meetingSizes);
BENCHMARK(BM_FillRegister)->Apply(meetingSizes);
BENCHMARK(BM_FilterRegister)->Apply(meetingSizes);
BENCHMARK(BM_ToggleDone)->Apply(meetingSizes);
BENCHMARK(BM_ShowDoneSwitch)->Apply(meetingSizes);
BENCHMARK(BM_DueDateCalendar)->Apply(meetingSizes);
BENCHMARK(BM_ScanFolder)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceMemory)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintReportToPdf)->Arg(1000)->Unit(benchmark::kMillisecond);

// frmMain is a widget, so a QApplication comes first. The reader traces to the debug category;
// silenced, the traces cost next to nothing and flood no terminal.
int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "default.debug=false");

    QApplication application(argc, argv);
    frmMain mainWindow;
    window = &mainWindow;

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
