#include "pseudolanguage.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const QString Plain = u"AaCcDdEeGgHhIiKkLlNnOoRrSsTtUuWwYyZz"_s;
const QString Accented = u"ÅåÇçĐđÉéĜĝĤĥÎîĶķĻļÑñÖöŔŕŠšŢţÛûŴŵÝýŽž"_s;

class PseudoTranslator : public QTranslator {
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        // Qt's sign for the direction of the language, and texts no person reads.
        if (!source || !*source || qstrcmp(context, "QGuiApplication") == 0)
            return {};
        return pseudoText(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

PseudoTranslator &pseudo()
{
    static PseudoTranslator translator;
    return translator;
}
} // namespace

QString pseudoText(const QString &text)
{
    // Placeholders, access keys, file patterns and line breaks pass unchanged.
    static const QRegularExpression kept(u"%L?\\d+|%L?n|&&?|\\(\\*\\.\\w+\\)|\\s*[\\r\\n]\\s*"_s);
    QString said, out;
    qsizetype from = 0;
    const auto accent = [&](QStringView part) {
        for (const QChar c : part) {
            const qsizetype at = Plain.indexOf(c);
            out += at < 0 ? c : Accented.at(at);
        }
    };
    const auto endLine = [&] {
        // Two fifths longer, at least two characters.
        const qsizetype letters = out.size();
        said += u'[' + out + QString(std::max<qsizetype>(2, letters * 2 / 5), u'~') + u']';
        out.clear();
    };
    for (const auto &match : kept.globalMatch(text)) {
        accent(QStringView(text).sliced(from, match.capturedStart() - from));
        if (match.captured().contains(QRegularExpression(u"[\\r\\n]"_s))) {
            endLine();
            said += match.captured();
        } else {
            out += match.captured();
        }
        from = match.capturedEnd();
    }
    accent(QStringView(text).sliced(from));
    endLine();
    return said;
}

void usePseudoLanguage(bool use)
{
    QCoreApplication::removeTranslator(&pseudo());
    if (use)
        QCoreApplication::installTranslator(&pseudo());
}

bool isPseudoText(const QString &text)
{
    static const QRegularExpression line(u"^\\[.*\\]$"_s);
    const QStringList lines = text.split(QRegularExpression(u"[\\r\\n]"_s), Qt::SkipEmptyParts);
    return std::all_of(lines.begin(), lines.end(),
                       [](const QString &each) { return line.match(each.trimmed()).hasMatch(); });
}
