#include "bridge/identifier.h"

#include <algorithm>
#include <string>

namespace fennick {

namespace {

QString Hex(unsigned long long value, int width) {
  return QString::number(value, 16).toUpper().rightJustified(width, '0');
}

}  // namespace

IdentifierText IdentifierFromGuid(const QUuid& guid) {
  IdentifierText id;
  if (guid.isNull()) {
    id.firstNumber = id.secondNumber = QStringLiteral("0");
    return id;
  }
  QString fifth;
  for (int i = 2; i < 8; ++i) fifth += Hex(guid.data4[i], 2);
  id.text = Hex(guid.data1, 8) + '-' + Hex(guid.data2, 4) + '-' + Hex(guid.data3, 4) + '-' +
            Hex(guid.data4[0], 2) + Hex(guid.data4[1], 2) + '-' + fifth;
  id.firstNumber = HexToDecimalText(Hex(guid.data3, 4) + Hex(guid.data2, 4) + Hex(guid.data1, 8));
  QString reversed;
  for (int i = 7; i >= 0; --i) reversed += Hex(guid.data4[i], 2);
  id.secondNumber = HexToDecimalText(reversed);
  return id;
}

IdentifierText NewIdentifierText() {
  return IdentifierFromGuid(QUuid::createUuid());
}

QString HexToDecimalText(const QString& hexText) {
  unsigned __int128 value = 0;
  constexpr int kMaxDigits = 32;
  if (hexText.size() > kMaxDigits) return {};
  for (QChar ch : hexText) {
    const int digit = QStringLiteral("0123456789abcdef").indexOf(ch.toLower());
    if (digit < 0) return {};
    value = value * 16 + static_cast<unsigned>(digit);
  }
  if (value == 0) return QStringLiteral("0");
  std::string digits;
  while (value > 0) {
    digits.push_back(static_cast<char>('0' + static_cast<int>(value % 10)));
    value /= 10;
  }
  std::reverse(digits.begin(), digits.end());
  return QString::fromStdString(digits);
}

}  // namespace fennick
