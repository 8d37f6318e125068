#include "play/board_part_accessible.h"

#include <QWidget>

#include "model/play_session.h"
#include "platform/window_text.h"
#include "play/board_reader.h"

namespace tessellix {

namespace {

const BilingualText kListName{"Элементы", "Elements"};

}  // namespace

BoardPartAccessible::BoardPartAccessible(QAccessibleInterface& canvas, Kind kind, int element,
                                         BoardPartAccessible* list)
    : canvas(canvas), kind(kind), element(element), list(list) {}

BoardPartAccessible::~BoardPartAccessible() {
    for (const QAccessible::Id id : itemIds) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

const BoardReader* BoardPartAccessible::Reader() const {
    return BoardReader::Of(canvas.object());
}

QAccessibleInterface* BoardPartAccessible::ItemOf(int index) const {
    QAccessible::Id& id = itemIds[index];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(
            new BoardPartAccessible(canvas, Item, index, const_cast<BoardPartAccessible*>(this)));
    }
    return QAccessible::accessibleInterface(id);
}

bool BoardPartAccessible::isValid() const {
    const BoardReader* reader = Reader();
    if (reader == nullptr) {
        return false;
    }
    return kind != Item || reader->Session().Elements()[element].excluded == 0;
}

QWindow* BoardPartAccessible::window() const {
    return canvas.window();
}

QAccessibleInterface* BoardPartAccessible::parent() const {
    return kind == Item ? static_cast<QAccessibleInterface*>(list) : &canvas;
}

int BoardPartAccessible::childCount() const {
    const BoardReader* reader = Reader();
    return kind == List && reader != nullptr
               ? static_cast<int>(reader->Names().UsedElements().size())
               : 0;
}

QAccessibleInterface* BoardPartAccessible::child(int index) const {
    if (kind != List || Reader() == nullptr) {
        return nullptr;
    }
    const std::vector<int>& used = Reader()->Names().UsedElements();
    return index >= 0 && index < static_cast<int>(used.size()) ? ItemOf(used[index]) : nullptr;
}

int BoardPartAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int index = 0; index < childCount(); ++index) {
        if (this->child(index) == child) {
            return index;
        }
    }
    return -1;
}

QAccessibleInterface* BoardPartAccessible::childAt(int x, int y) const {
    for (int index = 0; index < childCount(); ++index) {
        if (child(index)->rect().contains(x, y)) {
            return child(index);
        }
    }
    return nullptr;
}

QString BoardPartAccessible::text(QAccessible::Text type) const {
    const BoardReader* reader = Reader();
    if (reader == nullptr || !isValid()) {
        return {};
    }
    switch (kind) {
        case List:
            return type == QAccessible::Name ? Shown(kListName) : QString();
        case Item:
            if (type == QAccessible::Name) {
                return Shown(reader->Names().ElementName(element));
            }
            return type == QAccessible::Description
                       ? Shown(reader->Names().ElementDescription(element))
                       : QString();
        case Notice:
            return type == QAccessible::Name ? Shown(reader->Sentence()) : QString();
    }
    return {};
}

QRect BoardPartAccessible::rect() const {
    const BoardReader* reader = Reader();
    if (reader == nullptr || !isValid()) {
        return {};
    }
    if (kind == Item) {
        return reader->ElementRect(element);
    }
    return canvas.rect();
}

QAccessible::Role BoardPartAccessible::role() const {
    switch (kind) {
        case List:
            return QAccessible::List;
        case Item:
            return QAccessible::ListItem;
        case Notice:
            return QAccessible::Notification;
    }
    return QAccessible::NoRole;
}

QAccessible::State BoardPartAccessible::state() const {
    QAccessible::State state;
    const BoardReader* reader = Reader();
    if (reader == nullptr || !isValid()) {
        state.invalid = true;
        return state;
    }
    if (kind == Item) {
        const QWidget* widget = qobject_cast<const QWidget*>(canvas.object());
        state.focusable = true;
        state.selectable = true;
        const bool chosen = reader->Session().PlayerHand().chosen == element;
        state.selected = chosen;
        state.focused = chosen && widget != nullptr && widget->hasFocus();
    }
    if (kind == Notice) {
        state.invisible = reader->Sentence().IsEmpty();
    }
    return state;
}

}  // namespace tessellix
