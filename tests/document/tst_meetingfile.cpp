#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include "document/meetingfile.h"
#include "support/documents.h"

class tst_MeetingFile : public QObject
{
    Q_OBJECT

    static QByteArray nested(int depth)
    {
        return QByteArray("<a>").repeated(depth) + 'x' + QByteArray("</a>").repeated(depth);
    }

    // The text in a wide encoding, starting with a byte order mark.
    static QByteArray utf16(const QString &text, QStringConverter::Encoding encoding)
    {
        return QStringEncoder(encoding, QStringConverter::Flag::WriteBom).encode(text);
    }
    static QByteArray utf16(const QByteArray &latin1, QStringConverter::Encoding encoding)
    {
        return utf16(QString::fromLatin1(latin1), encoding);
    }

private slots:
    void xmlSafe_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("written");
        const auto row = [](const char *name, QStringView text, QStringView written) {
            QTest::newRow(name) << text.toString() << written.toString();
        };
        row("unit separator and NUL dropped", {u"a\u001Fb\0c", 5}, u"abc");
        row("lone high surrogate dropped", u"\xD83Dz", u"z");
        row("lone low surrogate at the end dropped", u"a\xDE00", u"a");
        row("surrogates in the wrong order dropped", u"\xDE00\xD83D", u"");
    }

    void xmlSafe()
    {
        QFETCH(QString, text);
        QFETCH(QString, written);
        QCOMPARE(MeetingFile::xmlSafe(text), written);
    }

    void treeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << "Budget review";
        QTest::newRow("empty") << "";
        QTest::newRow("markup characters") << "<b>&amp; \"quoted\" 'single' a > b";
        QTest::newRow("CDATA ends") << "]]> and ]> and ]]]>";
        QTest::newRow("line ends and tabs") << "one\ntwo\r\nthree\tfour\r";
        QTest::newRow("beyond Latin-1") << "\u0414\u20ac\U0001F600 caf\u00e9";
        QTest::newRow("blanks around") << "  spaced  ";
    }

    // Writer-shaped trees come out as QDomDocument::toString(1) writes them, whatever the text
    // in an attribute or an element.
    void treeText()
    {
        QFETCH(QString, text);
        QDomDocument document;
        document.setContent(QStringLiteral("<m about=''><h><p>x</p></h><list count='0'/></m>"));
        QDomElement place = document.elementsByTagName("p").item(0).toElement();
        place.setAttribute("date", text);
        place.firstChild().setNodeValue(text);
        QCOMPARE(MeetingFile::treeText(document), document.toString(1));
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
        QString dtd = "<!DOCTYPE a [<!ENTITY l0 'ha'>";
        for (int i = 1; i < 10; ++i)
            dtd += ("<!ENTITY l%1 '" + QString("&l%2;").repeated(10) + "'>").arg(i).arg(i - 1);
        static QTemporaryDir dir; // the local file a SYSTEM entity names is never read
        QVERIFY2(dir.isValid(), qPrintable(dir.errorString()));
        QVERIFY(writeFile(dir.filePath("secret.txt"), "SECRET"));
        const QByteArray system
            = "<!DOCTYPE m [<!ENTITY s SYSTEM '" + dir.filePath("secret.txt").toUtf8() + "'>]>";
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
        row("billion laughs", (dtd + "]><a>&l9;</a>").toLatin1(), "", "type");
        row("unclosed element", "<meeting><header></meeting>", "", "");
        row("empty file", "", "", "");
        row("system entity naming a local file", system + "<m>&s;</m>", "", "type");
        row("one byte over the size limit", QByteArray(MeetingFile::maxFileSize + 1, ' '), "",
            "larger");
        row("encoding unknown", "<?xml version='1.0' encoding='x-none'?><a/>", "", "x-none");
        row("invalid UTF-8", "<a>\xff</a>", "", "UTF-8");
        row("UTF-8 cut inside a character", "<a/>\xc3", "", "UTF-8");
    }

    // Every hiding place a byte-level count could be fooled by, around each bomb.
    void hiddenBombs_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("refused"); // a word of the reason
        const QByteArray deep = nested(100'000);
        QByteArray crowded = "<a";
        for (int i = 0; i < 65'536; ++i)
            crowded += " a" + QByteArray::number(i) + "='1'";
        crowded += "/>";
        const QList<std::pair<const char *, QByteArray>> bombs {{"deep", deep},
                                                                {"crowded", crowded}};
        for (const auto &[bombName, bomb] : bombs) {
            const QString reason = bomb == deep ? "nested" : "attributes";
            const auto row
                = [&](const char *place, const QByteArray &contents, const QString &why) {
                      QTest::addRow("%s after %s", bombName, place) << contents << why;
                  };
            row("a comment in the doctype subset", "<!DOCTYPE a [<!-- ]> -->]>" + bomb, "type");
            row("a PI in the doctype subset", "<!DOCTYPE a [<?p ]> ?>]>" + bomb, "type");
            row("a quoted literal in the doctype", "<!DOCTYPE a SYSTEM ']>'>" + bomb, "type");
            row("a quote in a comment", "<!-- ' -->" + bomb, reason);
            row("a quote in a PI", "<?p \" ?>" + bomb, reason);
            row("a quote in a CDATA section", "<r><![CDATA[ ' ]]>" + bomb + "</r>", reason);
            row("'>' in an attribute value", "<r a='>'>" + bomb + "</r>", reason);
            row("nothing, in UTF-16LE", utf16(bomb, QStringConverter::Utf16LE), reason);
            row("nothing, in UTF-16BE", utf16(bomb, QStringConverter::Utf16BE), reason);
            row("nothing, in UTF-32", utf16(bomb, QStringConverter::Utf32LE), reason);
        }
    }

    void hiddenBombs()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, refused);
        QDomDocument document;
        QString error;
        QVERIFY(!MeetingFile::parse(contents, document, error));
        QVERIFY2(error.contains(refused), qPrintable(error));
    }

    // A document reads in every encoding XML allows, its text intact.
    void encodings_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("text");
        const QString meeting = QStringLiteral("<meeting about='Zürich'>Ж – é</meeting>");
        const QString declared = QStringLiteral("<?xml version='1.0' encoding='%1'?>");
        const QString text = QStringLiteral("Ж – é");
        using E = QStringConverter::Encoding;
        QTest::newRow("UTF-8") << meeting.toUtf8() << text;
        QTest::newRow("UTF-8 with a mark") << "\xef\xbb\xbf" + meeting.toUtf8() << text;
        QTest::newRow("UTF-8 declared") << (declared.arg("UTF-8") + meeting).toUtf8() << text;
        QTest::newRow("UTF-16LE with a mark")
            << utf16(declared.arg("UTF-16") + meeting, E::Utf16LE) << text;
        QTest::newRow("UTF-16BE with a mark")
            << utf16(declared.arg("UTF-16") + meeting, E::Utf16BE) << text;
        QTest::newRow("UTF-16LE without a mark")
            << utf16(declared.arg("UTF-16") + meeting, E::Utf16LE).sliced(2) << text;
        QTest::newRow("UTF-32BE with a mark") << utf16(meeting, E::Utf32BE) << text;
        QTest::newRow("windows-1252 declared") << declared.arg("windows-1252").toLatin1()
                + "<meeting about='Z\xfcrich'>\x80 \x96 \xe9</meeting>"
                                               << QStringLiteral("€ – é");
    }

    void encodings()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, text);
        QDomDocument document;
        QString error;
        QVERIFY2(MeetingFile::parse(contents, document, error), qPrintable(error));
        QCOMPARE(document.documentElement().attribute("about"), QStringLiteral("Zürich"));
        QCOMPARE(document.documentElement().text(), text);
    }

    // A refused document comes with a reason; no document holds the secret file's content.
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
        QVERIFY(!document.toString().contains(QLatin1String("SECRET")));
    }
};

QTEST_GUILESS_MAIN(tst_MeetingFile)
#include "tst_meetingfile.moc"
