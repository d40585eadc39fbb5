#include "files/UserId.h"

#include <QTextCodec>

QString UserId::of(const QString& sn, const QByteArray& nameBytes)
{
    QTextCodec::ConverterState state;
    const QString utf8 = QTextCodec::codecForName("UTF-8")->toUnicode(nameBytes.constData(), nameBytes.size(), &state);
    const bool valid = state.invalidChars == 0 && state.remainingChars == 0;
    return sn + (valid ? utf8 : QString::fromLatin1(nameBytes));
}
