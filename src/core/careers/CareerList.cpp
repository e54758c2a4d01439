#include "careers/CareerList.h"

CareerDefinition* CareerList::Append(std::unique_ptr<CareerDefinition> definition) {
    if (!definition) return nullptr;
    items_.push_back(std::move(definition));
    return items_.back().get();
}

const CareerDefinition* CareerList::At(int i) const {
    if (i < 0 || static_cast<size_t>(i) >= items_.size()) return nullptr;
    return items_[static_cast<size_t>(i)].get();
}

CareerDefinition* CareerList::At(int i) {
    if (i < 0 || static_cast<size_t>(i) >= items_.size()) return nullptr;
    return items_[static_cast<size_t>(i)].get();
}

const CareerDefinition* CareerList::FindByEnum(int32_t code) const {
    for (const auto& item : items_)
        if (item->enumValue == code) return item.get();
    return nullptr;
}
