#include <algorithm>
#include <charconv>

#include "document/ui.h"
#include "numbers/format_value.h"

namespace ravnelok {

namespace {

// The number in the read-only field; the spin value when the field holds none.
int FieldNumber(const DecimalsDialog& dialog) {
  const std::string& text = dialog.field;
  int n = 0;
  const auto res = std::from_chars(text.data(), text.data() + text.size(), n);
  if (res.ec != std::errc() || res.ptr != text.data() + text.size()) return dialog.spin;
  return n;
}

// The spin value and the field always agree and stay within 0..W-3, the decimals a line can
// show, even when the field was handed a number outside that range.
void SetSpin(DecimalsDialog& dialog, int value) {
  dialog.spin = std::clamp(value, 0, std::max(MostDecimalsThatFit(dialog.value_width), 0));
  dialog.field = std::to_string(dialog.spin);
}

}  // namespace

void DecimalsDialog::SpinUp() {
  if (!Editable()) return;  // the spin button is disabled while "automatic" is ticked
  if (MostDecimalsThatFit(value_width) > spin) SetSpin(*this, FieldNumber(*this) + 1);
}

void DecimalsDialog::SpinDown() {
  if (!Editable()) return;
  if (spin > 0) SetSpin(*this, FieldNumber(*this) - 1);
}

}  // namespace ravnelok
