#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "document/meetingfile.h"

class tst_MeetingFile : public QObject
{
    Q_OBJECT

private slots:
    void xmlSafe_data();
    void xmlSafe();
    void treeTextAsQDomWritesIt_data();
    void treeTextAsQDomWritesIt();
    void fileContents_data();
    void fileContents();
    void parseAccepts_data();
    void parseAccepts();
    void parseRefuses_data();
    void parseRefuses();
    void systemEntityIsNeverRead();
};

void tst_MeetingFile::xmlSafe_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("safe");

    QTest::addRow("plain text kept") << "Budget review"
                                     << "Budget review";
    QTest::addRow("tab, line feed, carriage return kept") << "a\tb\nc\rd"
                                                          << "a\tb\nc\rd";
    QTest::addRow("U+0001 left out") << QString::fromUtf8("a\x01z") << "az";
    QTest::addRow("U+001F and NUL left out") << QStringView(u"a\u001Fb\0c", 5).toString() << "abc";
    QTest::addRow("U+FFFE and U+FFFF left out") << QString::fromUtf16(u"x\uFFFEy\uFFFFz") << "xyz";
    QTest::addRow("lone high surrogate left out") << QString(QChar(0xD83D)) + "a"
                                                  << "a";
    QTest::addRow("lone low surrogate left out") << "a" + QString(QChar(0xDE00)) << "a";
    QTest::addRow("reversed pair left out")
        << QString(QChar(0xDE00)) + QString(QChar(0xD83D)) << "";
    QTest::addRow("emoji kept") << QString::fromUtf16(u"ok \U0001F600")
                                << QString::fromUtf16(u"ok \U0001F600");
    QTest::addRow("cyrillic kept")
        << QString::fromUtf16(u"Выполнить") << QString::fromUtf16(u"Выполнить");
}

void tst_MeetingFile::xmlSafe()
{
    QFETCH(QString, text);
    QFETCH(QString, safe);
    QCOMPARE(MeetingFile::xmlSafe(text), safe);
}

void tst_MeetingFile::treeTextAsQDomWritesIt_data()
{
    QTest::addColumn<QString>("text");

    QTest::addRow("plain") << "Budget review";
    QTest::addRow("empty") << "";
    QTest::addRow("markup") << "<b>&amp; \"quoted\" 'single' a > b";
    QTest::addRow("end of CDATA") << "]]> and ]> and ]]]>";
    QTest::addRow("line breaks and tabs") << "one\ntwo\r\nthree\tfour\r";
    QTest::addRow("beyond Latin-1") << QString::fromUtf16(u"\u0414\u20ac\U0001F600 caf\u00e9");
    QTest::addRow("blanks around") << "  spaced  ";
}

// The writer's own serialisation must give exactly what QDomDocument::toString(1) gives.
void tst_MeetingFile::treeTextAsQDomWritesIt()
{
    QFETCH(QString, text);

    QDomDocument document;
    QDomElement root = document.createElement("meeting");
    document.appendChild(root);
    root.setAttribute("about", text);
    QDomElement header = document.createElement("header");
    root.appendChild(header);
    header.setAttribute("date", text);
    for (const char *name : {"place", "decision", "notes"}) {
        QDomElement field = document.createElement(name);
        header.appendChild(field);
        field.appendChild(document.createTextNode(text));
    }
    QDomElement list = document.createElement("participants");
    root.appendChild(list);
    list.setAttribute("count", "0");
    QDomElement problems = document.createElement("problems");
    root.appendChild(problems);
    QDomElement problem = document.createElement("problem");
    problems.appendChild(problem);
    QDomElement decision = document.createElement("decision");
    problem.appendChild(decision);
    decision.appendChild(document.createTextNode(text));
    decision.setAttribute("date", "");

    QCOMPARE(MeetingFile::treeText(document), document.toString(1));
}

void tst_MeetingFile::fileContents_data()
{
    QTest::addColumn<QString>("tree");
    QTest::addColumn<QByteArray>("written");

    QTest::addRow("ascii") << "<a>x</a>\n" << QByteArray("<a>x</a>\n");
    QTest::addRow("latin-1 as one byte")
        << QString::fromUtf16(u"<a>Caf\u00e9 \u00ff</a>\n") << QByteArray("<a>Caf\xe9 \xff</a>\n");
    QTest::addRow("cyrillic as references")
        << QString::fromUtf16(u"<a>\u0414a</a>\n") << QByteArray("<a>&#1044;a</a>\n");
    QTest::addRow("euro as reference")
        << QString::fromUtf16(u"<a>5\u20ac</a>\n") << QByteArray("<a>5&#8364;</a>\n");
    QTest::addRow("emoji as one reference")
        << QString::fromUtf16(u"<a>\U0001F600</a>\n") << QByteArray("<a>&#128512;</a>\n");
    QTest::addRow("reference in attribute")
        << QString::fromUtf16(u"<a about=\"\u0416\"/>\n") << QByteArray("<a about=\"&#1046;\"/>\n");
}

void tst_MeetingFile::fileContents()
{
    QFETCH(QString, tree);
    QFETCH(QByteArray, written);

    const QByteArray header = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                              "<?xml-stylesheet type=\"text/xsl\" href=\"mootrak.xsl\"?>\n";
    const QByteArray contents = MeetingFile::fileContents(tree);
    QCOMPARE(contents, header + written + "\n");

    // What is written reads back as the same text.
    QDomDocument document;
    QString error;
    QVERIFY2(MeetingFile::parse(contents, document, error), qPrintable(error));
    QDomDocument expected;
    QVERIFY(expected.setContent(tree));
    QCOMPARE(document.documentElement().text(), expected.documentElement().text());
    QCOMPARE(document.documentElement().attribute("about"),
             expected.documentElement().attribute("about"));
}

static QByteArray nested(int depth)
{
    return QByteArray("<a>").repeated(depth) + "x" + QByteArray("</a>").repeated(depth);
}

static QByteArray withAttributes(int count)
{
    QByteArray element = "<a";
    for (int i = 0; i < count; ++i)
        element += " a" + QByteArray::number(i) + "=\"" + QByteArray::number(i) + '"';
    return element + "/>";
}

void tst_MeetingFile::parseAccepts_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("text");

    QTest::addRow("nested at the limit") << nested(MeetingFile::maxDepth) << "x";
    QTest::addRow("attributes at the limit") << withAttributes(MeetingFile::maxAttributes) << "";
    QTest::addRow("predefined entities and references")
        << QByteArray("<a>&amp;&lt;&gt;&quot;&apos;&#233;&#x416;</a>")
        << QString::fromUtf16(u"&<>\"'\u00e9\u0416");
    QTest::addRow("markup in comment and CDATA not counted") << "<a><!--" + nested(100)
            + "--><![CDATA[" + nested(100) + "]]></a>" << QString::fromLatin1(nested(100));
    QTest::addRow("'>' and '=' inside attribute values")
        << withAttributes(MeetingFile::maxAttributes - 1).replace("/>", " b=\"=>=\"/>") << "";
    QTest::addRow("doctype without entities")
        << QByteArray("<!DOCTYPE meeting><meeting>m</meeting>") << "m";
    QTest::addRow("meeting document head")
        << QByteArray("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                      "<?xml-stylesheet type=\"text/xsl\" href=\"mootrak.xsl\"?>\n"
                      "<meeting>Caf\xe9</meeting>\n\n")
        << QString::fromUtf16(u"Caf\u00e9");
}

void tst_MeetingFile::parseAccepts()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, text);

    QDomDocument document;
    QString error;
    QVERIFY2(MeetingFile::parse(contents, document, error), qPrintable(error));
    QCOMPARE(document.documentElement().text(), text);
}

static QByteArray billionLaughs()
{
    QByteArray dtd = "<!DOCTYPE a [<!ENTITY l0 \"ha\">";
    for (int i = 1; i < 10; ++i) {
        dtd += "<!ENTITY l" + QByteArray::number(i) + " \"";
        dtd += QByteArray("&l" + QByteArray::number(i - 1) + ";").repeated(10) + "\">";
    }
    return dtd + "]><a>&l9;</a>";
}

static QByteArray quadraticBlowUp()
{
    return "<!DOCTYPE a [<!ENTITY e \"" + QByteArray(4000, 'x') + "\">]><a>"
        + QByteArray("&e;").repeated(5000) + "</a>";
}

void tst_MeetingFile::parseRefuses_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("reason");

    QTest::addRow("nested one past the limit") << nested(MeetingFile::maxDepth + 1) << "nested";
    QTest::addRow("nested 100,000 levels") << nested(100000) << "nested";
    QTest::addRow("attributes one past the limit")
        << withAttributes(MeetingFile::maxAttributes + 1) << "attributes";
    QTest::addRow("65,536 attributes") << withAttributes(65536) << "attributes";
    QTest::addRow("billion laughs") << billionLaughs() << "entities";
    QTest::addRow("quadratic blow-up") << quadraticBlowUp() << "entities";
    QTest::addRow("undeclared entity") << QByteArray("<a>&e;</a>") << "";
    QTest::addRow("unclosed element") << QByteArray("<meeting><header></meeting>") << "";
    QTest::addRow("not xml at all") << QByteArray("Budget review, Room 4") << "";
    QTest::addRow("empty file") << QByteArray() << "";
    QTest::addRow("two roots") << QByteArray("<a/><b/>") << "";
    QTest::addRow("control character reference") << QByteArray("<a>&#1;</a>") << "";
}

void tst_MeetingFile::parseRefuses()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);

    QDomDocument document;
    QString error;
    QVERIFY(!MeetingFile::parse(contents, document, error));
    QVERIFY(!error.isEmpty());
    QVERIFY2(error.contains(reason), qPrintable(error));
}

void tst_MeetingFile::systemEntityIsNeverRead()
{
    QTemporaryDir dir;
    QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
    QFile secret(dir.filePath("secret.txt"));
    QVERIFY(secret.open(QIODevice::WriteOnly));
    secret.write("SECRET");
    secret.close();

    const QByteArray contents = "<!DOCTYPE meeting [<!ENTITY s SYSTEM \""
        + dir.filePath("secret.txt").toUtf8() + "\">]><meeting about=\"x\">&s;</meeting>";
    QDomDocument document;
    QString error;
    QVERIFY(!MeetingFile::parse(contents, document, error));
    QVERIFY(!document.toString().contains(QLatin1String("SECRET")));
}

QTEST_GUILESS_MAIN(tst_MeetingFile)
#include "tst_meetingfile.moc"
