// SPDX-License-Identifier: GPL-3.0-or-later
#include "wizard/frmfirst.h"

#include <QAction>
#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/dateformat.h"
#include "app/formwidgets.h"
#include "app/personlist.h"
#include "app/trace.h"
#include "images/pixmaploaders.h"
#include "model/personrow.h"
#include "wizard/frmpeople.h"
#include "wizard/wizardpage.h"

enum { PageHeader = 0, PageProblems = 1 };

frmFirst::frmFirst(QWidget *parent, const char *name, bool modal, Qt::WindowFlags fl)
    : QWizard(parent, fl)
{
    setObjectName(name ? QString::fromUtf8(name) : QStringLiteral("frmFirst"));
    setWindowTitle(tr("New Subject"));
    resize(488, 335);
    setModal(modal);

    createPage1();
    createPage2();
    connectSignals();
    init();
}

frmFirst::~frmFirst()
{
    destroy();
}

// A list view of the wizard: single selection, sorted by its first column until a header is
// clicked.
static QTreeWidget *sorted(QTreeWidget *list)
{
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(true);
    list->sortByColumn(0, Qt::AscendingOrder);
    return list;
}

void frmFirst::createPage1()
{
    page1 = makeNamed<WizardPage>("page1", this);
    page1->setTitle(tr("Define new subject"));
    page1Layout = makeOuterBox<QVBoxLayout>("page1Layout", page1);
    page1Layout->addLayout(createHeaderFields());
    page1Layout->addLayout(createParticipantsRow());
    setPage(PageHeader, page1);
}

QHBoxLayout *frmFirst::createHeaderFields()
{
    TextLabel1 = makeNamed<QLabel>("TextLabel1", tr("Subject:"), page1);
    TextLabel2 = makeNamed<QLabel>("TextLabel2", tr("Place:"), page1);
    TextLabel2->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    TextLabel3 = makeNamed<QLabel>("TextLabel3", tr("Time:"), page1);

    txtTema = makeNamed<QLineEdit>("txtTema", page1);
    txtTema->setMaxLength(50);
    txtTema->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    txtPlace = makeNamed<QLineEdit>("txtPlace", page1);
    txtPlace->setMaxLength(50);
    dteDate = makeNamed<QDateTimeEdit>("dteDate", page1);
    dteDate->setDisplayFormat(DateFormat::display);
    dteDate->setCalendarPopup(true);

    Layout60 = makeNamedBox<QVBoxLayout>("Layout60");
    Layout63 = makeNamedBox<QVBoxLayout>("Layout63");
    Layout62 = makeNamedBox<QHBoxLayout>("Layout62");
    Layout62->addWidget(dteDate);
    Layout62->addItem(new QSpacerItem(20, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    addLabelFor(TextLabel1, txtTema, Layout60);
    addLabelFor(TextLabel2, txtPlace, Layout60);
    addLabelFor(TextLabel3, dteDate, Layout60);
    Layout63->addWidget(txtTema);
    Layout63->addWidget(txtPlace);
    Layout63->addLayout(Layout62);

    Layout65 = sideBySide("Layout65", Layout60, Layout63);
    return Layout65;
}

QHBoxLayout *frmFirst::createParticipantsRow()
{
    TextLabel4 = makeNamed<QLabel>("TextLabel4", tr("Participants:"), page1);
    lbPart = sorted(makeNamed<PersonList>(
        "lbPart", QStringList {tr("Name"), tr("Occupation"), tr("Phone"), tr("E-mail")},
        uic_load_pixmap_frmFirst(QStringLiteral("kdmconfig.png")), page1));
    Layout8 = labelledColumn("Layout8", TextLabel4, lbPart);

    btAdd = makeNamed<QPushButton>("btAdd", tr("&Add"), page1);
    btEdit = makeNamed<QPushButton>("btEdit", tr("&Edit"), page1);
    btDelete = makeNamed<QPushButton>("btDelete", tr("&Delete"), page1);
    Layout68 = buttonColumn("Layout68", {btAdd, btEdit, btDelete});

    Layout9 = sideBySide("Layout9", Layout8, Layout68);
    return Layout9;
}

void frmFirst::createPage2()
{
    page2 = makeNamed<WizardPage>("page2", this);
    page2->setTitle(QStringLiteral("Сформулируйте проблемы!"));
    page2Layout = makeOuterBox<QVBoxLayout>("page2Layout", page2);

    TextLabel3_2 = makeNamed<QLabel>("TextLabel3_2", tr("Описание проблем:"), page2);
    lvProblems = sorted(makeNamed<QTreeWidget>("lvProblems", page2));
    lvProblems->setRootIsDecorated(false);
    lvProblems->setHeaderLabels({tr("Problems")});
    lvProblems->headerItem()->setIcon(0, uic_load_pixmap_frmFirst(QStringLiteral("whatsnext.png")));
    Layout8_2 = labelledColumn("Layout8_2", TextLabel3_2, lvProblems);

    btAddProblem = makeNamed<QPushButton>("btAddProblem", tr("&Add"), page2);
    btEditProblem = makeNamed<QPushButton>("btEditProblem", tr("&Edit"), page2);
    btDeleteProblem = makeNamed<QPushButton>("btDeleteProblem", tr("&Delete"), page2);
    Layout9_2 = buttonColumn("Layout9_2", {btAddProblem, btEditProblem, btDeleteProblem});

    Layout10 = sideBySide("Layout10", Layout8_2, Layout9_2);
    page2Layout->addLayout(Layout10);
    setPage(PageProblems, page2);
}

// A right press selects the row under it first, so Edit and Delete act on the row clicked.
void frmFirst::connectContextMenu(QTreeWidget *list,
                                  void (frmFirst::*slot)(QTreeWidgetItem *, const QPoint &, int))
{
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list, &QTreeWidget::customContextMenuRequested, this, [this, list, slot](QPoint pos) {
        QTreeWidgetItem *item = list->itemAt(pos);
        (this->*slot)(item, list->viewport()->mapToGlobal(pos), item ? 0 : -1);
    });
}

void frmFirst::connectSignals()
{
    connect(btAdd, &QPushButton::clicked, this, &frmFirst::btAdd_clicked);
    connect(btDelete, &QPushButton::clicked, this, &frmFirst::btDel_clicked);
    connect(btEdit, &QPushButton::clicked, this, &frmFirst::btEdit_clicked);
    connect(txtTema, &QLineEdit::textChanged, this, &frmFirst::txtTema_textChanged);
    connect(txtPlace, &QLineEdit::textChanged, this, &frmFirst::txtPlace_textChanged);
    connect(dteDate, &QDateTimeEdit::dateTimeChanged, this, &frmFirst::dteDate_valueChanged);
    connect(lbPart, &QTreeWidget::itemSelectionChanged, this, &frmFirst::lbPart_selectionChanged);
    connect(btAddProblem, &QPushButton::clicked, this, &frmFirst::btAddProblem_clicked);
    connectContextMenu(lvProblems, &frmFirst::lvProblems_rightButtonClicked);
    connect(lvProblems, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { lvProblems_doubleClicked(item); });
    connect(lvProblems, &QTreeWidget::currentItemChanged, this,
            qOverload<QTreeWidgetItem *>(&frmFirst::lvProblems_selectionChanged));
    connect(btEditProblem, &QPushButton::clicked, this, &frmFirst::btEditProblem_clicked);
    connect(btDeleteProblem, &QPushButton::clicked, this, &frmFirst::btDeleteProblem_clicked);
    connect(lvProblems, &QTreeWidget::itemSelectionChanged, this,
            qOverload<>(&frmFirst::lvProblems_selectionChanged));
    connectContextMenu(lbPart, &frmFirst::lbPart_rightButtonClicked);
}

void frmFirst::init()
{
    btEdit->setEnabled(false);
    btDelete->setEnabled(false);
    btEditProblem->setEnabled(false);
    btDeleteProblem->setEnabled(false);
    setOption(QWizard::HaveHelpButton, false);

    // The lists and their records go with the wizard unless a meeting adopts its store.
    participants = store.make<QList<Participant *>>();
    problems = store.make<QList<Problem *>>();

    // Back is never offered on the first page; Next waits for a subject, Finish for a problem.
    page1->setCompleteRule([this] { return !txtTema->text().isEmpty(); });
    page2->setCompleteRule([this] { return lvProblems->topLevelItemCount() > 0; });

    const QDateTime now = wholeSecondsNow();
    dteDate->setDateRange(now.date(), now.date().addDays(365));
    dteDate->setDateTime(now);
    initMenus();
}

// The menus go; the lists and the records in them belong to whoever took the results.
void frmFirst::destroy()
{
    if (menus)
        qDeleteAll(*menus);
    delete menus;
    menus = nullptr;
    participants = nullptr;
    problems = nullptr;
}

static QAction *addMenuItem(QMenu *menu, const QString &text, int id)
{
    QAction *item = menu->addAction(text);
    item->setData(id);
    return item;
}

void frmFirst::initMenus()
{
    menus = new QList<QMenu *>;
    for (int first : {1, 11}) { // the problems menu's ids, then the participants'
        auto *menu = new QMenu; // no parent: a pop-up of its own
        addMenuItem(menu, QStringLiteral("Add"), first);
        menu->addSeparator();
        addMenuItem(menu, QStringLiteral("Edit"), first + 1);
        addMenuItem(menu, QStringLiteral("Delete"), first + 2);
        connect(menu, &QMenu::triggered, this,
                [this](QAction *item) { menusAction(item->data().toInt()); });
        menus->append(menu);
    }
}

void frmFirst::menusAction(int iMenu)
{
    switch (iMenu) {
    case 1:
        return btAddProblem_clicked();
    case 2:
        return btEditProblem_clicked();
    case 3:
        return btDeleteProblem_clicked();
    case 11:
        return btAdd_clicked();
    case 12:
        return btEdit_clicked();
    case 13:
        return btDel_clicked();
    default:
        return;
    }
}

// Add, the first item, is always offered; Edit and Delete only on a row. The first item opens
// under the pointer.
void frmFirst::popUp(int menu, bool onRow, const QPoint &p)
{
    QMenu *popup = menus->at(menu);
    const QList<QAction *> items = popup->actions();
    for (QAction *item : items.mid(1))
        item->setEnabled(onRow || item->isSeparator());
    popup->popup(p, items.value(0));
}

void frmFirst::txtTema_textChanged(const QString &text)
{
    if (!text.isEmpty())
        tema = text;
    page1->recheck();
}

void frmFirst::txtPlace_textChanged(const QString &text)
{
    place = text;
}

// The caller reads the date from dteDate itself.
void frmFirst::dteDate_valueChanged(const QDateTime &)
{ }

void frmFirst::lbPart_selectionChanged()
{
    selectedParticipant = lbPart->selectedItems().value(0);
    btEdit->setEnabled(selectedParticipant != nullptr);
    btDelete->setEnabled(selectedParticipant != nullptr);
}

void frmFirst::btAdd_clicked()
{
    Participant *person = frmPeople::askNew(this, tr("New person"), store);
    if (!person)
        return;
    new QTreeWidgetItem(lbPart, PersonRow::columns(*person));
    participants->append(person);
}

static QString personFields(const Participant &person)
{
    return QLatin1Char(' ') + person.firstName + QLatin1Char(' ') + person.secondName
        + QLatin1Char(' ') + person.occupation + QLatin1Char(' ') + person.email + QLatin1Char(' ')
        + person.phone;
}

static QString rowAgainstRecord(const QStringList &rowTexts, const QStringList &recordTexts)
{
    QStringList pairs;
    for (int column = 0; column < rowTexts.size(); ++column)
        pairs << rowTexts.at(column) + QLatin1Char('=') + recordTexts.at(column);
    return QLatin1String("P.h:") + pairs.join(QLatin1Char(' '));
}

int frmFirst::findParticipant(const QTreeWidgetItem *row) const
{
    const QStringList rowTexts = {row->text(0), row->text(1), row->text(2), row->text(3)};
    for (int i = 0; i < participants->size(); ++i) {
        const Participant &person = *participants->at(i);
        const QStringList recordTexts = PersonRow::columns(person);
        if (tracing()) {
            qDebug().noquote() << QStringLiteral("Item:%1").arg(i + 1) + personFields(person);
            qDebug().noquote() << rowAgainstRecord(rowTexts, recordTexts);
        }
        if (recordTexts == rowTexts)
            return i;
    }
    return -1;
}

void frmFirst::btEdit_clicked()
{
    if (participants->isEmpty()) {
        trace(QStringLiteral("par is empty"));
        return;
    }
    trace(QString::number(participants->size()));
    selectedParticipant = lbPart->selectedItems().value(0);
    if (!selectedParticipant)
        return;
    QTreeWidgetItem *row = selectedParticipant;
    const int index = findParticipant(row);
    if (index == -1)
        return;
    Participant *person = participants->at(index);

    if (frmPeople::askEdit(this, person))
        PersonList::showRow(row, *person);
}

// No question asked. With no current row left, the list selects no neighbour in place of the
// deleted row, so Edit and Delete wait for the user's next choice.
void frmFirst::btDel_clicked()
{
    QTreeWidgetItem *row = lbPart->selectedItems().value(0);
    selectedParticipant = row;
    if (!row)
        return;
    const int index = findParticipant(row);
    if (index != -1)
        participants->removeAt(index); // unlinked only: the record stays valid
    lbPart->setCurrentItem(nullptr);
    delete row;
}

void frmFirst::lbPart_rightButtonClicked(QTreeWidgetItem *lvPr, const QPoint &p, int)
{
    popUp(ParticipantsMenu, lvPr != nullptr, p);
}

QString frmFirst::getTema()
{
    return tema;
}

QString frmFirst::getPlace()
{
    return place;
}

QList<Participant *> *frmFirst::getParticipants()
{
    return participants;
}

QList<Problem *> *frmFirst::getProblems()
{
    return problems;
}
