#include "calc/AstrolabeEntry.h"

#include <array>

#include "base/PrintfText.h"
#include "calc/AstrolabePosition.h"

namespace quenaro {

namespace {

/// The largest magnitude a component may reach by typing: three digits of degrees or hours,
/// two of minutes and seconds.
constexpr std::array<int, 3> kLargestComponent{999, 99, 99};

constexpr std::array<SignTitles, kAstrolabeModeCount> kSignTitles{{
    {"+", "-"},
    {"W", "E"},
    {"", ""},
    {"+", "-"},
    {"N", "S"},
    {"E", "W"},
}};

}  // namespace

AstrolabeEntry::KeyEffect AstrolabeEntry::press(int tag) {
    int& component = currentComponents_[static_cast<std::size_t>(calcComponent_)];
    if (tag >= 0 && tag <= 9) {
        const int typed = component * 10 + tag;
        if (typed == component ||
            typed > kLargestComponent[static_cast<std::size_t>(calcComponent_)]) {
            return KeyEffect::None;  // a 0 into an empty component, or one digit too many
        }
        component = typed;
        return KeyEffect::Refresh;
    }
    if (tag >= kModeKeyBase && tag < kModeKeyBase + kAstrolabeModeCount) {
        setCalcMode(tag - kModeKeyBase);
        return KeyEffect::ModeChanged;
    }
    switch (tag) {
        case kPositiveKey:
        case kNegativeKey:
            if (!hasSign()) {
                return KeyEffect::None;
            }
            negative_ = tag == kNegativeKey;
            return KeyEffect::Refresh;
        case kNextComponentKey:
            calcComponent_ = (calcComponent_ + 1) % 3;
            return KeyEffect::Refresh;
        case kDeleteKey:
            component /= 10;
            return KeyEffect::Refresh;
        default:
            return KeyEffect::None;
    }
}

void AstrolabeEntry::setCalcMode(int mode) {
    if (mode < 0 || mode >= kAstrolabeModeCount) {
        return;
    }
    calcComponent_ = 0;
    currentComponents_ = {0, 0, 0};
    negative_ = false;
    calcMode_ = mode;
}

bool AstrolabeEntry::hasSign() const {
    return calcMode_ != kRightAscensionMode;
}

double AstrolabeEntry::value() const {
    const double magnitude =
        currentComponents_[0] + currentComponents_[1] / 60.0 + currentComponents_[2] / 3600.0;
    const double signedValue = negative_ ? -magnitude : magnitude;
    return calcMode_ == kRightAscensionMode ? signedValue * 15.0 : signedValue;
}

std::string AstrolabeEntry::text() const {
    const bool hours = calcMode_ == kRightAscensionMode;
    const SignTitles titles = signTitles(calcMode_);
    std::string text = negative_ ? titles.negative : titles.positive;
    text += printfText("%d%s", currentComponents_[0], hours ? "h" : "\u00B0");
    if (calcComponent_ > 0) {
        text += printfText(" %d%s", currentComponents_[1], hours ? "m" : "'");
    }
    if (calcComponent_ > 1) {
        text += printfText(" %d%s", currentComponents_[2], hours ? "s" : "\"");
    }
    return text;
}

SignTitles AstrolabeEntry::signTitles(int mode) {
    if (mode < 0 || mode >= kAstrolabeModeCount) {
        return {"", ""};
    }
    return kSignTitles[static_cast<std::size_t>(mode)];
}

}  // namespace quenaro
