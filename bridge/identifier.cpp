#include "bridge/identifier.h"

#include <algorithm>
#include <array>
#include <cstdint>
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
  constexpr int kMaxDigits = 32;
  if (hexText.size() > kMaxDigits) return {};
  // 128 bits as four 32-bit limbs, most significant first: no compiler-specific wide type.
  std::array<std::uint32_t, 4> limbs{};
  for (QChar ch : hexText) {
    const int digit = QStringLiteral("0123456789abcdef").indexOf(ch.toLower());
    if (digit < 0) return {};
    std::uint32_t carry = static_cast<std::uint32_t>(digit);
    for (auto limb = limbs.rbegin(); limb != limbs.rend(); ++limb) {
      const std::uint64_t shifted = (std::uint64_t{*limb} << 4) | carry;
      *limb = static_cast<std::uint32_t>(shifted);
      carry = static_cast<std::uint32_t>(shifted >> 32);
    }
  }
  std::string digits;
  do {
    // Long division by ten, limb by limb; the remainder is the next digit from the right.
    std::uint64_t remainder = 0;
    for (std::uint32_t& limb : limbs) {
      const std::uint64_t part = (remainder << 32) | limb;
      limb = static_cast<std::uint32_t>(part / 10);
      remainder = part % 10;
    }
    digits.push_back(static_cast<char>('0' + remainder));
  } while (std::any_of(limbs.begin(), limbs.end(), [](std::uint32_t limb) { return limb != 0; }));
  std::reverse(digits.begin(), digits.end());
  return QString::fromStdString(digits);
}

}  // namespace fennick
