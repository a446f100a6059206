// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTest>

#include <memory>

#include "document/meetingfile.h"
#include "document/meetingreader.h"
#include "document/meetingwriter.h"
#include "support/documents.h"
#include "support/plainqtwriter.h"
#include "support/records.h"

using MeetingPointer = std::unique_ptr<Meeting>;

// A seeded meeting with every awkward kind of text, and now and then the piece `control`.
static MeetingPointer generated(quint32 seed, const QString &control)
{
    static const QStringList pieces = QString("Budget| |review|<|>|&|&amp;|\"|'|\n|\r\n|\t|]]>|é|ÿ|"
                                              "Выполнить|€|😀|中文|  |=|/>|-->|x")
                                          .split('|');
    QRandomGenerator random(seed);
    const auto fill = [&](std::initializer_list<QString *> fields) {
        for (QString *field : fields) {
            for (int i = random.bounded(5) == 0 ? 0 : 1 + random.bounded(7); i > 0; --i)
                *field += pieces.value(random.bounded(pieces.size() + 1), control);
            // Whitespace-only text reads back empty (a reading rule), so such a value gets an "x".
            *field += QLatin1String(field->isEmpty() || !field->trimmed().isEmpty() ? "" : "x");
        }
    };
    const auto date = [&] {
        return random.bounded(6) ? QDateTime::fromSecsSinceEpoch(random.generate()) : QDateTime();
    };
    auto meeting = std::make_unique<Meeting>();
    RecordStore &records = meeting->records;
    const auto persons = [&](QList<Participant *> *persons, int most) {
        for (int i = random.bounded(most); i > 0; --i) {
            Participant *p = persons->emplace_back(records.make<Participant>());
            fill({&p->firstName, &p->secondName, &p->occupation, &p->email, &p->phone});
        }
    };
    fill({&meeting->subject, &meeting->place, &meeting->decisionText, &meeting->notes});
    meeting->date = date();
    persons(meeting->participants, 5);
    for (int i = random.bounded(5); i > 0; --i) {
        Problem *p = meeting->problems->emplace_back(records.make<Problem>(records));
        fill({&p->shortDescription, &p->fullDescription, &p->notes, &p->decision->text});
        p->decision->due = date();
        persons(p->responsibles, 4);
    }
    return meeting;
}

class tst_Document : public QObject
{
    Q_OBJECT

    static MeetingPointer read(const QByteArray &contents)
    {
        QDomDocument document;
        QString error;
        if (!MeetingFile::parse(contents, document, error))
            QTest::qFail(qPrintable(error), __FILE__, __LINE__);
        return MeetingPointer(MeetingFile::readMeeting(document));
    }

    static QByteArray nested(int depth)
    {
        return QByteArray("<a>").repeated(depth) + 'x' + QByteArray("</a>").repeated(depth);
    }

    // The text in a wide encoding, starting with a byte order mark.
    static QByteArray utf16(const QString &text, QStringConverter::Encoding encoding)
    {
        return QStringEncoder(encoding, QStringConverter::Flag::WriteBom).encode(text);
    }

    // Every hiding place a byte-level count could be fooled by, around each bomb.
    static void addBombRows()
    {
        const QByteArray deep = nested(100'000);
        QByteArray crowded = "<a";
        for (int i = 0; i < 65'536; ++i)
            crowded += " a" + QByteArray::number(i) + "='1'";
        crowded += "/>";
        const QList<std::pair<const char *, QByteArray>> bombs {{"deep", deep},
                                                                {"crowded", crowded}};
        for (const auto &[bombName, bomb] : bombs) {
            const QString reason = bomb == deep ? "nested" : "attributes";
            const QString wide = QString::fromLatin1(bomb);
            const auto row
                = [&](const char *place, const QByteArray &contents, const QString &why) {
                      QTest::addRow("%s after %s", bombName, place)
                          << contents << QString() << why.toLatin1();
                  };
            row("a comment in the doctype subset", "<!DOCTYPE a [<!-- ]> -->]>" + bomb, "type");
            row("a PI in the doctype subset", "<!DOCTYPE a [<?p ]> ?>]>" + bomb, "type");
            row("a quoted literal in the doctype", "<!DOCTYPE a SYSTEM ']>'>" + bomb, "type");
            row("a quote in a comment", "<!-- ' -->" + bomb, reason);
            row("a quote in a PI", "<?p \" ?>" + bomb, reason);
            row("a quote in a CDATA section", "<r><![CDATA[ ' ]]>" + bomb + "</r>", reason);
            row("'>' in an attribute value", "<r a='>'>" + bomb + "</r>", reason);
            row("nothing, in UTF-16LE", utf16(wide, QStringConverter::Utf16LE), reason);
            row("nothing, in UTF-16BE", utf16(wide, QStringConverter::Utf16BE), reason);
            row("nothing, in UTF-32", utf16(wide, QStringConverter::Utf32LE), reason);
        }
    }

    // A document reads in every encoding XML allows, its text intact.
    static void addEncodingRows()
    {
        const QString meeting = QStringLiteral("<meeting about='Zürich'>Ж – é</meeting>");
        const QString utf16Declared = "<?xml version='1.0' encoding='UTF-16'?>" + meeting;
        const auto row = [](const char *name, const QByteArray &contents,
                            const QString &text = QStringLiteral("Ж – é")) {
            QTest::newRow(name) << contents << text << QByteArray();
        };
        using E = QStringConverter::Encoding;
        row("UTF-8", meeting.toUtf8());
        row("UTF-8 with a mark", "\xef\xbb\xbf" + meeting.toUtf8());
        row("UTF-8 declared", ("<?xml version='1.0' encoding='UTF-8'?>" + meeting).toUtf8());
        row("UTF-16LE with a mark", utf16(utf16Declared, E::Utf16LE));
        row("UTF-16BE with a mark", utf16(utf16Declared, E::Utf16BE));
        row("UTF-16LE without a mark", utf16(utf16Declared, E::Utf16LE).sliced(2));
        row("UTF-32BE with a mark", utf16(meeting, E::Utf32BE));
        row("windows-1252 declared",
            "<?xml version='1.0' encoding='windows-1252'?><meeting about='Z\xfcrich'>\x80 \x96 \xe9"
            "</meeting>",
            QStringLiteral("€ – é"));
    }

private slots:
    // The sample the README offers a new user opens whole, and saves back unchanged.
    void shippedSampleOpens()
    {
        const QByteArray file = readFile(MOOTRAK_SHARE_DIR "/examples/release-planning.xml");
        const MeetingPointer sample = read(file);
        QCOMPARE(sample->participants->size(), 4);
        QCOMPARE(sample->problems->size(), 3);
        QCOMPARE(sample->place, QStringLiteral("Room 4, Zürich office"));
        QCOMPARE(valueOf(*read(written(*sample))), valueOf(*sample));
    }

    void initTestCase()
    {
        // The reader traces every field.
        QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, false);
    }

    void readAndWriteBack_data()
    {
        QTest::addColumn<QByteArray>("document");
        QTest::addColumn<MeetingValue>("expected");

        const QDateTime opened(QDate(2003, 3, 6), QTime(14, 30));
        const QDateTime due(QDate(2003, 3, 14), QTime(12, 0));
        const auto row = [](const char *name, const char *document, const MeetingValue &expected) {
            QTest::newRow(name) << QByteArray(document) << expected;
        };
        const Person jane {"Jane", "Doe", "Engineer", "", "1234"};
        const ProblemValue printer {
            "Printer", "The printer on floor 2 jams.", "", "Buy a new printer", due, {jane}};
        QTest::newRow("worked example")
            << readFile(QFINDTESTDATA("data/budget-review.xml"))
            << MeetingValue {"Budget review", opened, "Room 4", "", "", {jane}, {printer}};
        const ProblemValue upper {"s", "f", "n", "d", due, {{"", "", "", "e", ""}}};
        row("upper case names",
            "<MEETING about='S'><HEADER date='Thu Mar 6 14:30:00 2003'><PLACE>P</PLACE></HEADER>"
            "<PARTICIPANTS><PARTICIPANT><FIRST_NAME>F</FIRST_NAME><PHONE>T</PHONE></PARTICIPANT>"
            "</PARTICIPANTS><PROBLEMS><PROBLEM><SHORT>s</SHORT><FULL>f</FULL><NOTES>n</NOTES>"
            "<DECISION date='Fri Mar 14 12:00:00 2003'>d</DECISION><RESPONSIBLES><RESPONSIBLE>"
            "<EMAIL>e</EMAIL></RESPONSIBLE></RESPONSIBLES></PROBLEM></PROBLEMS></MEETING>",
            {"S", opened, "P", "", "", {{"F", "", "", "", "T"}}, {upper}});
        row("attribute names differing in case not read",
            "<meeting About='S'><header DATE='Thu Mar 6 14:30:00 2003'><place>P</place></header>"
            "<problems><problem><decision Date='Fri Mar 14 12:00:00 2003'>d</decision></problem>"
            "</problems></meeting>",
            {"", {}, "P", "", "", {}, {{"", "", "", "d", {}, {}}}});
        row("two headers",
            "<meeting><header date='Thu Mar 6 14:30:00 2003'><place>P1</place><notes>N1</notes>"
            "</header><header><place>P2</place></header></meeting>",
            {"", {}, "P2", "", "N1", {}, {}});
        row("comment inside problems",
            "<meeting><problems><problem><short>s</short></problem><!-- agenda --></problems>"
            "</meeting>",
            {"", {}, "", "", "", {}, {{"s", "", "", "", {}, {}}, {}}});
        row("problem without decision",
            "<meeting><problems><problem><short>s</short><full>f</full></problem></problems>"
            "</meeting>",
            {"", {}, "", "", "", {}, {{"s", "f", "", "", {}, {}}}});
        row("wrong and missing counts",
            "<meeting><participants count='7'><participant/></participants><problems count='-3'>"
            "<problem><responsibles count='x'/></problem></problems></meeting>",
            {"", {}, "", "", "", {{}}, {{}}});
        row("malformed and empty dates",
            "<meeting><header date='yesterday'/><problems><problem><decision date=''>d</decision>"
            "</problem><problem><decision date='Fri Mar 14 25:00:00 2003'>e</decision></problem>"
            "</problems></meeting>",
            {"", {}, "", "", "", {}, {{"", "", "", "d", {}, {}}, {"", "", "", "e", {}, {}}}});
        row("whitespace-only value reads as empty",
            "<meeting><header><place>  </place><notes>\n</notes></header></meeting>", {});
        row("empty lists and null dates, as written",
            "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
            "<?xml-stylesheet type=\"text/xsl\" href=\"mootrak.xsl\"?>\n<meeting about=\"\">\n"
            " <header date=\"\">\n  <place></place>\n  <decision></decision>\n  <notes></notes>\n"
            " </header>\n <participants count=\"0\"/>\n <problems count=\"1\">\n  <problem>\n"
            "   <short></short>\n   <full></full>\n   <notes></notes>\n"
            "   <decision date=\"\"></decision>\n   <responsibles count=\"0\"/>\n  </problem>\n"
            " </problems>\n</meeting>\n\n",
            {"", {}, "", "", "", {}, {{}}});
        // A done mark is written only when set, read back whatever its date; one that is no date
        // reads as open. In the writer's document, or its tree where the mark is not written back.
        const auto doneAt = [&](const QDateTime &done) {
            return MeetingValue {"S", opened, "", "", "", {}, {{"s", "", "", "d", due, {}, done}}};
        };
        const auto marked = [&](const QString &done, bool whole = true) {
            const QString tree = MeetingFile::meetingText(*recordOf(doneAt({})))
                                     .replace("2003\">d<", "2003\" done=\"" + done + "\">d<");
            return whole ? MeetingFile::fileContents(tree) : tree.toUtf8();
        };
        QTest::newRow("done mark")
            << marked("Sat Mar 15 09:30:00 2003") << doneAt({QDate(2003, 3, 15), QTime(9, 30)});
        QTest::newRow("done before the meeting")
            << marked("Wed Jan 1 00:00:00 1997") << doneAt({QDate(1997, 1, 1), QTime(0, 0)});
        QTest::newRow("done far ahead")
            << marked("Fri Jan 1 00:00:00 2100") << doneAt({QDate(2100, 1, 1), QTime(0, 0)});
        QTest::newRow("empty done mark reads as open") << marked("", false) << doneAt({});
        QTest::newRow("done mark that is no date reads as open")
            << marked("yes", false) << doneAt({});

        // Local time without daylight saving (the tests run with TZ=UTC), so every date exists.
        // Characters XML cannot carry, as pasted into a field, are left out by the writer.
        const QString pasted = QStringView(u"before\1\b\v\f\x1F\uFFFE\uFFFF\xDE00\xD83D"
                                           u"after\xD800")
                                   .toString();
        for (quint32 seed = 1; seed <= 60; ++seed)
            QTest::addRow("generated, seed %u", seed)
                << written(*generated(seed, pasted)) << valueOf(*generated(seed, "beforeafter"));
        // A character left out must not join "]]" and ">" into the end of a CDATA section.
        Meeting cdataEnd;
        cdataEnd.notes = QStringView(u"]]\1>").toString();
        QTest::newRow("left out between ]] and >")
            << written(cdataEnd) << MeetingValue {"", {}, "", "", "]]>", {}, {}};
    }

    // Reads as its row says, and writes back as a document that reads the same; a document in the
    // writer's own form comes back byte for byte, and writing twice gives the same bytes.
    void readAndWriteBack()
    {
        QFETCH(QByteArray, document);
        QFETCH(MeetingValue, expected);

        const MeetingPointer meeting = read(document);
        QCOMPARE(valueOf(*meeting), expected);

        const QByteArray rewritten = written(*meeting);
        QCOMPARE(valueOf(*read(rewritten)), expected);
        QCOMPARE(written(*meeting), rewritten);
        if (document.startsWith("<?xml"))
            QCOMPARE(rewritten, document);
    }

    // The writer's text is what the tree built the plain Qt way serialises to.
    void writerMatchesQDom_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed = 1; seed <= 40; ++seed)
            QTest::addRow("seed %u", seed) << seed;
    }

    void writerMatchesQDom()
    {
        QFETCH(quint32, seed);
        const MeetingPointer meeting = generated(seed, "x");
        QCOMPARE(MeetingFile::meetingText(*meeting), PlainQtWriter::text(*meeting));
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("text"); // of the root, when accepted
        QTest::addColumn<QByteArray>("refused"); // null when accepted, else a word of the reason
        const auto row = [](auto name, QByteArray in, QString text, const char *why = nullptr) {
            QTest::newRow(name) << in << text << QByteArray(why);
        };
        const auto attributes = [](int count, const QByteArray &last = "") {
            QByteArray element = "<a";
            for (int i = 0; i < count; ++i)
                element += " a" + QByteArray::number(i) + "=\"" + QByteArray::number(i) + '"';
            return element + last + "/>";
        };
        const int maxDepth = MeetingFile::maxDepth, maxAttributes = MeetingFile::maxAttributes;

        row("nested at the limit", nested(maxDepth), "x");
        row("attributes at the limit", attributes(maxAttributes), "");
        row("predefined entities and references", "<a>&amp;&lt;&gt;&quot;&apos;&#233;&#x416;</a>",
            QString::fromUtf16(u"&<>\"'é\u0416"));
        row("markup in comment and CDATA not counted",
            "<a><!--" + nested(100) + "--><![CDATA[" + nested(100) + "]]></a>", nested(100));
        row("'>' and '=' inside attribute values", attributes(maxAttributes - 1, " b=\"=>=\""), "");
        row("nested one past the limit", nested(maxDepth + 1), "", "nested");
        row("attributes one past the limit", attributes(maxAttributes + 1), "", "attributes");
        row("doctype without entities", "<!DOCTYPE meeting><meeting>m</meeting>", "", "type");
        row("unclosed element", "<meeting><header></meeting>", "", "");
        row("empty file", "", "", "");
        row("one byte over the size limit", QByteArray(MeetingFile::maxFileSize + 1, ' '), "",
            "larger");
        row("encoding unknown", "<?xml version='1.0' encoding='x-none'?><a/>", "", "x-none");
        row("invalid UTF-8", "<a>\xff</a>", "", "UTF-8");
        row("UTF-8 cut inside a character", "<a/>\xc3", "", "UTF-8");
        addBombRows();
        addEncodingRows();
    }

    // A refused document comes with a reason.
    void parse()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, text);
        QFETCH(QByteArray, refused);
        QDomDocument document;
        QString error;
        QCOMPARE(MeetingFile::parse(contents, document, error), refused.isNull());
        QCOMPARE(error.isEmpty(), refused.isNull());
        QVERIFY2(error.contains(refused), qPrintable(error));
        QCOMPARE(document.documentElement().text(), text);
    }
};

QTEST_MAIN(tst_Document)
#include "tst_document.moc"
