#ifndef DOCUMENTS_H
#define DOCUMENTS_H

#include <QFile>
#include <QStringList>

// Small meeting documents for the tests, written the way the program writes them.
inline QByteArray meetingDocument(const QString &subject, const QStringList &problems = {})
{
    QByteArray document = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
                          "<?xml-stylesheet type=\"text/xsl\" href=\"mootrak.xsl\"?>\n"
                          "<meeting about=\""
        + subject.toLatin1()
        + "\">\n <header date=\"Thu Mar 6 14:30:00 2003\">\n"
          "  <place>Room 4</place>\n  <decision>Go on</decision>\n"
          "  <notes>Short meeting</notes>\n </header>\n"
          " <participants count=\"2\">\n"
          "  <participant><first_name>Jane</first_name><second_name>Doe"
          "</second_name><occupation>Engineer</occupation><email>jane@example.org"
          "</email><phone>1234</phone></participant>\n"
          "  <participant><first_name>John</first_name><second_name>Roe"
          "</second_name><occupation>Clerk</occupation><email></email>"
          "<phone>99</phone></participant>\n"
          " </participants>\n <problems count=\""
        + QByteArray::number(problems.size()) + "\">\n";
    for (const QString &problem : problems) {
        const QByteArray name = problem.toLatin1();
        document += "  <problem><short>" + name + "</short><full>All about " + name
            + "</full><notes>Notes on " + name
            + "</notes><decision date=\"Fri Mar 14 12:00:00 2003\">Decided " + name
            + "</decision><responsibles count=\"1\"><responsible><first_name>R" + name
            + "</first_name><second_name>S</second_name><occupation></occupation>"
              "<email>r@example.org</email><phone></phone></responsible>"
              "</responsibles></problem>\n";
    }
    return document + " </problems>\n</meeting>\n\n";
}

inline bool writeFile(const QString &path, const QByteArray &contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

#endif // DOCUMENTS_H
