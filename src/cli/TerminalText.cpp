#include "cli/TerminalText.h"

QString TerminalText::escaped(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        default:
            if (c.category() != QChar::Other_Control)
                out += c;
            else if (c.unicode() < 0x80)
                out += QString("\\x%1").arg(c.unicode(), 2, 16, QChar('0'));
            else
                out += QString("\\u%1").arg(c.unicode(), 4, 16, QChar('0'));
        }
    }
    return out;
}
