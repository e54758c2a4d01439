#include "base/Translate.h"

namespace {
TranslateHook& Hook() {
    static TranslateHook hook;
    return hook;
}
}  // namespace

void SetTranslateHook(TranslateHook hook) { Hook() = std::move(hook); }

std::string tr(std::string_view text) {
    const TranslateHook& hook = Hook();
    return hook ? hook(text) : std::string(text);
}
