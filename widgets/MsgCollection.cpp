#include "widgets/MsgCollection.h"

#include <stdexcept>

namespace mz {

void TMsgLines::Clear() {
    lines_.clear();
    item_->changed();
}

void TMsgLines::Add(const QString& line) {
    lines_.append(line);
    item_->changed();
}

void TMsgLines::Assign(const QStringList& lines) {
    lines_ = lines;
    item_->changed();
}

void TMsgCollectionItem::SetColor(TColor c) {
    color_ = c;
    changed();
}

void TMsgCollectionItem::SetColorTo(TColor c) {
    colorTo_ = c;
    changed();
}

int TMsgCollectionItem::Index() const {
    for (int i = 0; i < collection_->Count(); ++i)
        if (collection_->items_[static_cast<size_t>(i)].get() == this)
            return i;
    return -1;
}

void TMsgCollectionItem::Assign(const TMsgCollectionItem& other) {
    text_.lines_ = other.text_.lines_;
    imageIndex_ = other.imageIndex_;
    tag_ = other.tag_;
    color_ = other.color_;
    colorTo_ = other.colorTo_;
    changed();
}

void TMsgCollectionItem::changed() {
    if (collection_)
        collection_->changed(this);
}

TMsgCollectionItem* TMsgCollection::Add() {
    items_.push_back(std::unique_ptr<TMsgCollectionItem>(new TMsgCollectionItem(this)));
    changed(nullptr);
    return items_.back().get();
}

TMsgCollectionItem* TMsgCollection::Item(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return items_[static_cast<size_t>(index)].get();
}

void TMsgCollection::Delete(int index) {
    if (index < 0 || index >= Count())
        throw std::out_of_range("Invalid Index");
    if (onDelete_)
        onDelete_(index);
    items_.erase(items_.begin() + index);
    changed(nullptr);
}

void TMsgCollection::Clear() {
    BeginUpdate();
    while (!items_.empty())
        Delete(Count() - 1);
    EndUpdate();
}

void TMsgCollection::EndUpdate() {
    if (updates_ > 0 && --updates_ == 0 && pending_) {
        pending_ = false;
        if (onChange_)
            onChange_(nullptr);
    }
}

void TMsgCollection::changed(TMsgCollectionItem* item) {
    if (updates_ > 0) {
        pending_ = true;
        return;
    }
    if (onChange_)
        onChange_(item);
}

} // namespace mz
