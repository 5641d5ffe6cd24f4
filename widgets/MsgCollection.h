// The alert window's message list.
//
// A TMsgCollection owns its TMsgCollectionItems; items are created by Add and
// freed by Delete, Clear or the collection's destruction, so item pointers
// stay valid until then. A message's shown text is all its lines joined end
// to end with nothing between them: line boundaries carry no meaning.
//
// Changes to an item's Text, Color or ColorTo, and changes of the collection
// as a whole (add, delete, clear), are reported to the owner's change handler
// (the item, or null for the whole collection); deleting an item is also
// reported by index before it goes. Between BeginUpdate and EndUpdate
// reports are held back and EndUpdate reports one whole-collection change.
// Handlers run synchronously on the caller's thread; a handler must not
// delete the item it is told about.
//
// User-interface thread only.
#pragma once

#include "widgets/Colors.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace mz {

class TMsgCollection;
class TMsgCollectionItem;

// The lines of one message; every change notifies the collection.
class TMsgLines {
public:
    void Clear();
    void Add(const QString& line);
    void Assign(const QStringList& lines);
    int Count() const { return static_cast<int>(lines_.size()); }
    QString operator[](int i) const { return lines_.value(i); }
    const QStringList& Lines() const { return lines_; }
    QString Joined() const { return lines_.join(QString()); }

private:
    friend class TMsgCollectionItem;
    explicit TMsgLines(TMsgCollectionItem* item) : item_(item) {}
    TMsgCollectionItem* item_;
    QStringList lines_;
};

class TMsgCollectionItem {
public:
    TMsgCollectionItem(const TMsgCollectionItem&) = delete;
    TMsgCollectionItem& operator=(const TMsgCollectionItem&) = delete;

    TMsgLines& Text() { return text_; }
    const TMsgLines& Text() const { return text_; }
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    TColor ColorTo() const { return colorTo_; }
    void SetColorTo(TColor c);

    // Position in the collection (0-based).
    int Index() const;
    TMsgCollection* Collection() const { return collection_; }

    // Copies the lines and fields of another item (one change report).
    void Assign(const TMsgCollectionItem& other);

private:
    friend class TMsgCollection;
    friend class TMsgLines;
    explicit TMsgCollectionItem(TMsgCollection* owner) : collection_(owner), text_(this) {}
    void changed();

    TMsgCollection* collection_;
    TMsgLines text_;
    int imageIndex_ = 0;
    int tag_ = 0;
    TColor color_ = clNone;
    TColor colorTo_ = clNone;
};

class TMsgCollection {
public:
    using ChangeHandler = std::function<void(TMsgCollectionItem* item)>;
    using DeleteHandler = std::function<void(int index)>;

    TMsgCollection() = default;
    TMsgCollection(const TMsgCollection&) = delete;
    TMsgCollection& operator=(const TMsgCollection&) = delete;

    TMsgCollectionItem* Add();
    int Count() const { return static_cast<int>(items_.size()); }
    // Null for an index outside 0 to Count() - 1.
    TMsgCollectionItem* Item(int index) const;
    // Throws std::out_of_range("Invalid Index") for an index outside the list.
    void Delete(int index);
    void Clear();

    void BeginUpdate() { ++updates_; }
    void EndUpdate();
    bool Updating() const { return updates_ > 0; }

    void SetOnChange(ChangeHandler h) { onChange_ = std::move(h); }
    void SetOnDelete(DeleteHandler h) { onDelete_ = std::move(h); }

private:
    friend class TMsgCollectionItem;
    void changed(TMsgCollectionItem* item);

    std::vector<std::unique_ptr<TMsgCollectionItem>> items_;
    int updates_ = 0;
    bool pending_ = false;
    ChangeHandler onChange_;
    DeleteHandler onDelete_;
};

} // namespace mz
