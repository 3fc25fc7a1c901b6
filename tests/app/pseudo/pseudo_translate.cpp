// A language of the tests' own, made from the list of English texts: every text about
// 40 % longer and its letters accented, as a real translation runs longer and reaches
// above and below the line. A window test shows every window in it to find text that a
// translation would clip.
//
//   pseudo_translate translations/tonalyst.ts build/.../tonalyst_pseudo.ts
//
// What the program fills in or acts upon stays as it is: %1 / %n / %L1 arguments, the one
// & of a shortcut with its letter, HTML tags and entities, tabs and line breaks, and the
// blanks, dots and colon a text ends with.
#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Longer words than a translation has would keep a wrapped label from wrapping.
const QString kFiller = QStringLiteral("łörém ípsüm dölör sít ámét çönséçtétür ádípíšçíñg éłít ");

QChar accented(QChar letter) {
    static const QString plain = QStringLiteral("aeiouycnszAEIOUYCNSZ");
    static const QString marked = QStringLiteral("áéíöüýçñšžÁÉÍÖÜÝÇÑŠŽ");
    const qsizetype at = plain.indexOf(letter);
    return at < 0 ? letter : marked.at(at);
}

QString pseudo(const QString& english) {
    static const QRegularExpression kept(QStringLiteral("%L?(\\d+|n)|<[^>]*>|&(#?\\w+;|.)|[\\t\\n\\r]"));
    static const QRegularExpression ending(QStringLiteral("[\\s.:…]*$"));
    const qsizetype end = ending.match(english).capturedStart();
    const QString body = english.left(end);

    QString result;
    qsizetype visible = 0;
    bool hasLetters = false;
    qsizetype from = 0;
    const auto accentUpTo = [&](qsizetype to) {
        for (qsizetype i = from; i < to; ++i) {
            result += accented(body.at(i));
            hasLetters = hasLetters || body.at(i).isLetter();
        }
        visible += to - from;
    };
    for (auto match = kept.globalMatch(body); match.hasNext();) {
        const QRegularExpressionMatch piece = match.next();
        accentUpTo(piece.capturedStart());
        result += piece.captured();
        from = piece.capturedEnd();
    }
    accentUpTo(body.size());
    // A text of arguments and punctuation alone reads the same in every language.
    if (!hasLetters)
        return english;

    // " [" and "]" count towards the 40 %; a short text grows by more, as short words do.
    const auto extra = static_cast<qsizetype>(std::ceil(0.4 * static_cast<double>(visible)));
    QString filler = kFiller.repeated(extra / kFiller.size() + 1).left(std::max<qsizetype>(1, extra - 3));
    if (filler.endsWith(QLatin1Char(' ')))
        filler.back() = QChar(u'ä');
    return result + QStringLiteral(" [") + filler + QLatin1Char(']') + english.mid(end);
}

// A message's text, with the control characters lupdate writes as <byte value="xd"/>.
QString readText(QXmlStreamReader& xml) {
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUShort(nullptr, 16));
        else if (xml.isEndElement() && xml.name() != QLatin1String("byte"))
            break;
    }
    return text;
}

// The text of an element, with control characters other than tabs and line breaks as
// lupdate writes them: XML itself would read a carriage return as a line break.
void writeText(QXmlStreamWriter& ts, const QString& element, const QString& text) {
    ts.writeStartElement(element);
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= 0x20 || c == u'\t' || c == u'\n')
            continue;
        ts.writeCharacters(text.mid(from, i - from));
        ts.writeEmptyElement(QStringLiteral("byte"));
        ts.writeAttribute(QStringLiteral("value"), QStringLiteral("x%1").arg(static_cast<int>(c), 0, 16));
        from = i + 1;
    }
    ts.writeCharacters(text.mid(from));
    ts.writeEndElement();
}

bool translate(QFile& in, QSaveFile& out) {
    QXmlStreamReader xml(&in);
    QXmlStreamWriter ts(&out);
    ts.setAutoFormatting(true);
    ts.writeStartDocument();
    ts.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    ts.writeStartElement(QStringLiteral("TS"));
    ts.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    ts.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    ts.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("en"));
    bool numerus = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() &&
            (xml.name() == QLatin1String("context") || xml.name() == QLatin1String("message")))
            ts.writeEndElement();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("context")) {
            ts.writeStartElement(QStringLiteral("context"));
        } else if (xml.name() == QLatin1String("name")) {
            ts.writeTextElement(QStringLiteral("name"), xml.readElementText());
        } else if (xml.name() == QLatin1String("message")) {
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            ts.writeStartElement(QStringLiteral("message"));
            if (numerus)
                ts.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
        } else if (xml.name() == QLatin1String("source") || xml.name() == QLatin1String("comment")) {
            const QString element = xml.name().toString();
            const QString text = readText(xml);
            writeText(ts, element, text);
            if (element == QLatin1String("source")) {
                // English has two forms, one and more; both are as long.
                if (numerus) {
                    ts.writeStartElement(QStringLiteral("translation"));
                    writeText(ts, QStringLiteral("numerusform"), pseudo(text));
                    writeText(ts, QStringLiteral("numerusform"), pseudo(text));
                    ts.writeEndElement();
                } else {
                    writeText(ts, QStringLiteral("translation"), pseudo(text));
                }
            }
        }
    }
    ts.writeEndElement();
    ts.writeEndDocument();
    if (xml.hasError()) {
        std::fprintf(stderr, "pseudo_translate: %s: line %lld: %s\n", qPrintable(in.fileName()),
                     static_cast<long long>(xml.lineNumber()), qPrintable(xml.errorString()));
        return false;
    }
    return !ts.hasError();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: pseudo_translate ENGLISH.ts PSEUDO.ts\n");
        return 2;
    }
    QFile in(arguments[1]);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "pseudo_translate: %s: %s\n", qPrintable(in.fileName()),
                     qPrintable(in.errorString()));
        return 1;
    }
    QSaveFile out(arguments[2]);
    if (!out.open(QIODevice::WriteOnly) || !translate(in, out) || !out.commit()) {
        std::fprintf(stderr, "pseudo_translate: %s: %s\n", qPrintable(out.fileName()),
                     qPrintable(out.errorString()));
        return 1;
    }
    return 0;
}
