#include <QPushButton>
#include <QTreeWidget>

#include "support/wizardanswers.h"

using namespace Answers;

enum class Step { Add, AddBlank, CancelAdd, Delete, EditToBlank };
Q_DECLARE_METATYPE(Step)
enum class Rows { Participants, Problems };
Q_DECLARE_METATYPE(Rows)
enum class Action { Edit, Delete };
Q_DECLARE_METATYPE(Action)

class tst_FrmFirst : public QObject
{
    Q_OBJECT

    std::unique_ptr<frmFirst> wizard;

    bool nextEnabled() const { return wizard->button(QWizard::NextButton)->isEnabled(); }
    bool finishEnabled() const { return wizard->button(QWizard::FinishButton)->isEnabled(); }
    void run(Step step);
    void addParticipants(const QList<Person> &persons);
    void addProblems(const QList<QPair<QString, QString>> &problems);

private slots:
    void init() { wizard = std::make_unique<frmFirst>(); }
    void cleanup() { wizard.reset(); }
    void nextFollowsTheSubject_data();
    void nextFollowsTheSubject();
    void finishFollowsTheProblems_data();
    void finishFollowsTheProblems();
    void equalRowsActOnTheEarlierRecord_data();
    void equalRowsActOnTheEarlierRecord();
};

void tst_FrmFirst::nextFollowsTheSubject_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("erased"); // Backspace presses after typing
    QTest::addColumn<bool>("next");
    QTest::addColumn<QString>("subject"); // what getTema() gives

    QTest::newRow("nothing typed") << "" << 0 << false << "";
    QTest::newRow("one character") << "a" << 0 << true << "a";
    QTest::newRow("cleared again") << "a" << 1 << false << "a";
    QTest::newRow("shortened") << "ab" << 1 << true << "a";
}

// Next waits for a subject; clearing the field keeps the last subject that was not empty.
void tst_FrmFirst::nextFollowsTheSubject()
{
    QFETCH(QString, typed);
    QFETCH(int, erased);
    QFETCH(bool, next);
    QFETCH(QString, subject);

    wizard->show();
    QTest::keyClicks(wizard->txtTema, typed);
    for (int i = 0; i < erased; ++i)
        QTest::keyClick(wizard->txtTema, Qt::Key_Backspace);

    QCOMPARE(nextEnabled(), next);
    QCOMPARE(wizard->getTema(), subject);
}

void tst_FrmFirst::run(Step step)
{
    QTreeWidget *list = wizard->lvProblems;
    switch (step) {
    case Step::Add: {
        DialogScript script({describe("Printer", "It jams")});
        wizard->btAddProblem->click();
        break;
    }
    case Step::AddBlank: {
        DialogScript script({describe("", "")});
        wizard->btAddProblem->click();
        break;
    }
    case Step::CancelAdd: {
        DialogScript script({cancel()});
        wizard->btAddProblem->click();
        break;
    }
    case Step::Delete:
        list->setCurrentItem(list->topLevelItem(0));
        wizard->btDeleteProblem->click();
        break;
    case Step::EditToBlank: {
        list->setCurrentItem(list->topLevelItem(0));
        DialogScript script({describe("", "")});
        wizard->btEditProblem->click();
        break;
    }
    }
}

void tst_FrmFirst::finishFollowsTheProblems_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<bool>("finish");
    QTest::addColumn<int>("problems");

    QTest::newRow("none yet") << QList<Step> {} << false << 0;
    QTest::newRow("first problem") << QList<Step> {Step::Add} << true << 1;
    QTest::newRow("both descriptions blank") << QList<Step> {Step::AddBlank} << false << 0;
    QTest::newRow("dialog cancelled") << QList<Step> {Step::CancelAdd} << false << 0;
    QTest::newRow("only one deleted") << QList<Step> {Step::Add, Step::Delete} << false << 0;
    QTest::newRow("only one blanked in Edit")
        << QList<Step> {Step::Add, Step::EditToBlank} << false << 0;
    QTest::newRow("one of two deleted")
        << QList<Step> {Step::Add, Step::Add, Step::Delete} << true << 1;
}

// Finish needs a problem; records and rows come and go together; after a delete no other row
// is picked for the next click.
void tst_FrmFirst::finishFollowsTheProblems()
{
    QFETCH(QList<Step>, steps);
    QFETCH(bool, finish);
    QFETCH(int, problems);

    wizard->setStartId(1);
    wizard->show();
    for (Step step : steps)
        run(step);

    QCOMPARE(finishEnabled(), finish);
    QCOMPARE(wizard->getProblems()->size(), problems);
    QCOMPARE(wizard->lvProblems->topLevelItemCount(), problems);
    QVERIFY2(!wizard->btDeleteProblem->isEnabled(), "no row stays selected for Delete");
}

void tst_FrmFirst::addParticipants(const QList<Person> &persons)
{
    for (const Person &person : persons) {
        DialogScript script({enterPerson(person)});
        wizard->btAdd->click();
    }
}

void tst_FrmFirst::addProblems(const QList<QPair<QString, QString>> &problems)
{
    for (const auto &[shortText, fullText] : problems) {
        DialogScript script({describe(shortText, fullText)});
        wizard->btAddProblem->click();
    }
}

void tst_FrmFirst::equalRowsActOnTheEarlierRecord_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<Action>("action");
    QTest::addColumn<int>("row"); // the equal row selected
    QTest::addColumn<QString>("shown"); // first name or full description Edit opens with
    QTest::addColumn<QStringList>("left"); // first names or full descriptions, in list order

    for (int row : {0, 1}) {
        const QByteArray which = row == 0 ? " on the first row" : " on the second row";
        QTest::newRow("edit participant" + which)
            << Rows::Participants << Action::Edit << row << "b, c" << QStringList {"z", "c"};
        QTest::newRow("delete participant" + which)
            << Rows::Participants << Action::Delete << row << "" << QStringList {"c"};
        QTest::newRow("edit problem" + which)
            << Rows::Problems << Action::Edit << row << "first" << QStringList {"z", "second"};
        QTest::newRow("delete problem" + which)
            << Rows::Problems << Action::Delete << row << "" << QStringList {"second"};
    }
}

// Rows are tied to records by their texts alone. Two participants that both read
// "a, b, c" (names "b, c" + "a" and "c" + "a, b"), or two problems both called "Same": either
// row reaches the one added first.
void tst_FrmFirst::equalRowsActOnTheEarlierRecord()
{
    QFETCH(Rows, rows);
    QFETCH(Action, action);
    QFETCH(int, row);
    QFETCH(QString, shown);
    QFETCH(QStringList, left);

    const bool persons = rows == Rows::Participants;
    wizard->show();
    if (persons) {
        addParticipants({{"b, c", "a", "x", "e", "1"}, {"c", "a, b", "x", "e", "1"}});
    } else {
        wizard->next();
        addProblems({{"Same", "first"}, {"Same", "second"}});
    }
    QTreeWidget *list = persons ? wizard->lbPart : wizard->lvProblems;
    QCOMPARE(list->topLevelItem(0)->text(0), list->topLevelItem(1)->text(0));
    list->setCurrentItem(list->topLevelItem(row));

    Person personShown;
    QString problemShown;
    DialogScript script({persons ? enterPerson({"z", "a", "x", "e", "1"}, &personShown)
                                 : describe("Same", "z", &problemShown)});
    if (action == Action::Edit)
        (persons ? wizard->btEdit : wizard->btEditProblem)->click();
    else
        (persons ? wizard->btDelete : wizard->btDeleteProblem)->click();

    QCOMPARE(persons ? personShown.first : problemShown, shown);
    QStringList records;
    if (persons) {
        for (const Participant *person : std::as_const(*wizard->getParticipants()))
            records << person->firstName;
    } else {
        for (const Problem *problem : std::as_const(*wizard->getProblems()))
            records << problem->fullDescription;
    }
    QCOMPARE(records, left);
}

QTEST_MAIN(tst_FrmFirst)
#include "tst_frmfirst.moc"
