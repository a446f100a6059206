#include <QApplication>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QList>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTreeView>
#include <QTreeWidget>

#include <benchmark/benchmark.h>

#include <map>

#include "app/frmmain.h"
#include "document/meetingfile.h"
#include "document/textfields.h"
#include "model/meeting.h"
#include "model/recordstore.h"
#include "register/duedatecalendar.h"
#include "register/frmdecisions.h"
#include "report/reportprinter.h"
#include "support/frmmaininspector.h"

// Reading, writing and reporting a meeting document of 10, 1,000 and 10,000 problems, next to
// the bare QDomDocument parse and serialisation that bound what the reader and writer can reach.
// Every benchmark reports the same byte count, the size of the file, so their throughputs
// compare.

namespace {

frmMain *window = nullptr; // the one main window, made in main()

constexpr int participantCount = 50;
constexpr int responsiblesPerProblem = 3;

// The samples cycle through these lists, so the same size always gives the same document.
const QStringList &firstNames()
{
    static const QStringList names = {
        QStringLiteral("Anna"),  QStringLiteral("Bernd"),  QStringLiteral("Claire"),
        QStringLiteral("David"), QStringLiteral("Elena"),  QStringLiteral("Frank"),
        QStringLiteral("Greta"), QStringLiteral("Hannes"), QStringLiteral("Ines"),
        QStringLiteral("Jonas"),
    };
    return names;
}

const QStringList &secondNames()
{
    static const QStringList names = {
        QStringLiteral("Becker"),   QStringLiteral("Dupont"),        QStringLiteral("Fischer"),
        QStringLiteral("Hoffmann"), QStringLiteral("Lef\u00e8vre"),  QStringLiteral("M\u00fcller"),
        QStringLiteral("Novak"),    QStringLiteral("Schr\u00f6der"), QStringLiteral("Svensson"),
        QStringLiteral("Weber"),
    };
    return names;
}

const QStringList &occupations()
{
    static const QStringList names = {
        QStringLiteral("Project manager"),   QStringLiteral("Developer"),
        QStringLiteral("Quality assurance"), QStringLiteral("Sales"),
        QStringLiteral("Head of support"),
    };
    return names;
}

const QStringList &topics()
{
    static const QStringList names = {
        QStringLiteral("Move the release of the reporting module"),
        QStringLiteral("Replace the build server"),
        QStringLiteral("Agree on the review rota"),
        QStringLiteral("Budget for the spring trade fair"),
        QStringLiteral("Hire a second tester"),
        QStringLiteral("Migrate the wiki"),
        QStringLiteral("Renew the support contract"),
        QStringLiteral("Clean up the customer list"),
    };
    return names;
}

const QString &pick(const QStringList &names, int i)
{
    return names.at(i % names.size());
}

Participant *makeParticipant(int i)
{
    auto *person = RecordStore::make<Participant>();
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
                          "It holds up %3 of the open tasks of this quarter.\n"
                          "Options: postpone it, split the work, or ask for outside help.\n"
                          "See the minutes of the previous meeting for the background.")
        .arg(raisedBy->firstName, raisedBy->secondName)
        .arg(2 + i % 9);
}

// The people responsible are records of their own, as a read document holds them.
void addResponsibles(Problem *problem, const QList<Participant *> &participants, int i)
{
    for (int k = 0; k < responsiblesPerProblem; ++k) {
        const Participant *person = participants.at((i + 17 * k) % participants.size());
        problem->responsibles->append(RecordStore::make<Participant>(*person));
    }
}

Problem *makeProblem(int i, const QList<Participant *> &participants)
{
    const Participant *raisedBy = participants.at(i % participants.size());
    auto *problem = RecordStore::make<Problem>(
        QStringLiteral("%1 (item %2)").arg(pick(topics(), i)).arg(i + 1),
        fullDescription(i, raisedBy));
    problem->notes = i % 3 == 0 ? QStringLiteral("Follow up by e-mail before Friday.") : QString();
    problem->decision->text = QStringLiteral("Agreed: %1 takes the lead and reports back at the "
                                             "next meeting.")
                                  .arg(raisedBy->firstName);
    problem->decision->due = QDateTime(QDate(2024, 1, 8).addDays(i % 120), QTime(9 + i % 8, 30));
    addResponsibles(problem, participants, i);
    return problem;
}

Meeting *makeMeeting(int problemCount)
{
    auto *meeting = RecordStore::make<Meeting>();
    meeting->subject = QStringLiteral("Steering committee, %1 problems").arg(problemCount);
    meeting->date = QDateTime(QDate(2024, 1, 4), QTime(14, 0));
    meeting->place = QStringLiteral("Room 2.14, main building");
    meeting->notes = QStringLiteral("Minutes taken by the project office.");
    meeting->decisionText = QStringLiteral("Next meeting in four weeks.");
    for (int i = 0; i < participantCount; ++i)
        meeting->participants->append(makeParticipant(i));
    for (int i = 0; i < problemCount; ++i)
        meeting->problems->append(makeProblem(i, *meeting->participants));
    return meeting;
}

// One meeting of the window and its document, as file bytes and as a parsed tree.
struct Sample
{
    QByteArray contents;
    QDomDocument document;
    QString parseError; // empty when the document parsed
};

// The sample keeps bytes and tree only: the benchmarks that open files free every record.
Sample makeSample(int problemCount)
{
    frmMainInspector inspector(*window);
    inspector.forgetMeetings();
    inspector.meetings()->append(makeMeeting(problemCount));
    Sample sample;
    sample.contents = inspector.meetingFileContents(0);
    MeetingFile::parse(sample.contents, sample.document, sample.parseError);
    inspector.forgetMeetings();
    return sample;
}

// The window holds the sample's meeting alone, read afresh from its tree; its index is 0.
int loadMeeting(const Sample &sample)
{
    frmMainInspector inspector(*window);
    inspector.forgetMeetings();
    inspector.meetings()->append(inspector.readXmlFile(sample.document));
    return 0;
}

// Frees what the last open made, as a program opening the file once would not have it, and
// keeps the heap from growing over iterations. Not timed.
void forgetEveryRecord(benchmark::State &state)
{
    state.PauseTiming();
    frmMainInspector inspector(*window);
    inspector.forgetMeetings();
    inspector.rebuildTree();
    RecordStore::releaseAll();
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

// The records each read makes stay in the record store until the program ends.
void BM_ReadMeeting(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    if (skipIfUnreadable(state, meeting))
        return;
    const frmMainInspector inspector(*window);
    for (auto _ : state) {
        forgetEveryRecord(state);
        benchmark::DoNotOptimize(inspector.readXmlFile(meeting.document));
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

// The writer's own serialisation of the same tree that BM_BareToString writes.
void BM_TreeText(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    if (skipIfUnreadable(state, meeting))
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(MeetingFile::treeText(meeting.document));
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

void BM_WriteMeeting(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    if (skipIfUnreadable(state, meeting))
        return;
    const int index = loadMeeting(meeting);
    const frmMainInspector inspector(*window);
    for (auto _ : state)
        benchmark::DoNotOptimize(inspector.meetingFileContents(index));
    reportBytes(state, meeting);
}

// The same tree built the plain Qt way, one element, attribute and text node at a time, and
// written with toString(1): the yardstick for BM_WriteMeeting.
template<typename Record, std::size_t N>
void appendFields(QDomElement &parent, const Record &record,
                  const MeetingFile::TextField<Record> (&fields)[N])
{
    QDomDocument document = parent.ownerDocument();
    for (const auto &field : fields) {
        QDomElement element = document.createElement(field.tag);
        element.appendChild(document.createTextNode(record.*field.member));
        parent.appendChild(element);
    }
}

QDomElement appendPersons(QDomElement &parent, const QString &group, const QString &tag,
                          const QList<Participant *> &persons)
{
    QDomDocument document = parent.ownerDocument();
    QDomElement list = document.createElement(group);
    list.setAttribute(MeetingFile::Attribute::count, QString::number(persons.size()));
    for (const Participant *person : persons) {
        QDomElement item = document.createElement(tag);
        appendFields(item, *person, MeetingFile::personFields);
        list.appendChild(item);
    }
    parent.appendChild(list);
    return list;
}

QString plainQtText(const Meeting &meeting)
{
    using namespace MeetingFile;
    QDomDocument document;
    QDomElement root = document.createElement(Tag::meeting);
    root.setAttribute(Attribute::about, meeting.subject);
    document.appendChild(root);
    QDomElement header = document.createElement(Tag::header);
    header.setAttribute(Attribute::date, textDate(meeting.date));
    appendFields(header, meeting, headerFields);
    root.appendChild(header);
    appendPersons(root, Tag::participants, Tag::participant, *meeting.participants);
    QDomElement problems = document.createElement(Tag::problems);
    problems.setAttribute(Attribute::count, QString::number(meeting.problems->size()));
    for (const Problem *problem : std::as_const(*meeting.problems)) {
        QDomElement item = document.createElement(Tag::problem);
        appendFields(item, *problem, problemFields);
        QDomElement decision = document.createElement(Tag::decision);
        decision.setAttribute(Attribute::date, textDate(problem->decision->due));
        decision.appendChild(document.createTextNode(problem->decision->text));
        item.appendChild(decision);
        appendPersons(item, Tag::responsibles, Tag::responsible, *problem->responsibles);
        problems.appendChild(item);
    }
    root.appendChild(problems);
    return document.toString(1);
}

void BM_PlainQtWrite(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    if (skipIfUnreadable(state, meeting))
        return;
    const Meeting *loaded = frmMainInspector(*window).meetings()->at(loadMeeting(meeting));
    for (auto _ : state)
        benchmark::DoNotOptimize(plainQtText(*loaded));
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

// The calendar Export due dates writes, one to-do a problem.
void BM_DueDateCalendar(benchmark::State &state)
{
    const Sample &meeting = sample(int(state.range(0)));
    loadMeeting(meeting);
    const QList<Meeting *> &meetings = *frmMainInspector(*window).meetings();
    const QDateTime now(QDate(2024, 1, 4), QTime(14, 0));
    for (auto _ : state)
        benchmark::DoNotOptimize(DueDateCalendar::text(meetings, now));
    reportBytes(state, meeting);
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
BENCHMARK(BM_TreeText)->Apply(meetingSizes);
BENCHMARK(BM_EncodeTree)->Apply(meetingSizes);
BENCHMARK(BM_WriteMeeting)->Apply(meetingSizes);
BENCHMARK(BM_PlainQtWrite)->Apply(meetingSizes);
BENCHMARK(BM_RebuildTree)->Apply(meetingSizes);
BENCHMARK(BM_OpenMeeting)->Apply(meetingSizes);
BENCHMARK(BM_ReopenEntry)->Apply(meetingSizes);
BENCHMARK(BM_OpenAndExpand)->Apply(meetingSizes);
BENCHMARK(BM_BuildEmailBody)->Apply(meetingSizes);
BENCHMARK(BM_FillRegister)->Apply(meetingSizes);
BENCHMARK(BM_FilterRegister)->Apply(meetingSizes);
BENCHMARK(BM_DueDateCalendar)->Apply(meetingSizes);
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
