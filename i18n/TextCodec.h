#pragma once

#include <QByteArray>
#include <QString>

// Turns the text fields of the program's files into Unicode and back.
// Reading: valid UTF-8 is UTF-8; anything else is Windows-1251, the code page of older files.
// Writing: Windows-1251 when every character has a byte there and the bytes cannot be
// mistaken for UTF-8 on reading; otherwise UTF-8. So Russian and English text stay
// byte-compatible with older files while any other script still round-trips.
QString DecodeText(const QByteArray& bytes);
QByteArray EncodeText(const QString& text);
