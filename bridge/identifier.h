#pragma once

#include <QString>
#include <QUuid>

namespace fennick {

// A scenario's identifier in its three written forms.
struct IdentifierText {
  QString text;          // 00112233-4455-6677-8899-AABBCCDDEEFF
  QString firstNumber;   // bytes 0-7 as a little-endian 64-bit number, in decimal
  QString secondNumber;  // bytes 8-15 the same way
};

// The three forms of a given GUID.
IdentifierText IdentifierFromGuid(const QUuid& guid);

// A fresh random identifier; the text is empty and both numbers "0" when the platform gives
// no GUID.
IdentifierText NewIdentifierText();

// Decimal text of a hexadecimal text (either letter case); empty for a text holding anything
// but hexadecimal digits or too long for 128 bits. "" gives "0".
QString HexToDecimalText(const QString& hexText);

}  // namespace fennick
