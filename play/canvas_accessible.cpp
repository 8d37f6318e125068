#include "play/canvas_accessible.h"

#include <QWidget>

#include "model/play_session.h"
#include "platform/window_text.h"
#include "play/board_part_accessible.h"
#include "play/board_reader.h"
#include "play/play_canvas.h"

namespace tessellix {

namespace {

const BilingualText kBoardName{"Доска", "Board"};

}  // namespace

CanvasAccessible::CanvasAccessible(PlayCanvas* canvas) : AccessibleGrid(canvas) {}

CanvasAccessible::~CanvasAccessible() {
    for (const QAccessible::Id id : {listId, noticeId}) {
        if (id != 0) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
}

const BoardReader* CanvasAccessible::Reader() const {
    return BoardReader::Of(object());
}

QAccessibleInterface* CanvasAccessible::Part(QAccessible::Id& id, int kind) const {
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(new BoardPartAccessible(
            *const_cast<CanvasAccessible*>(this), static_cast<BoardPartAccessible::Kind>(kind)));
    }
    return QAccessible::accessibleInterface(id);
}

QAccessibleInterface* CanvasAccessible::ElementList() const {
    return Part(listId, BoardPartAccessible::List);
}

QAccessibleInterface* CanvasAccessible::Item(int element) const {
    return static_cast<BoardPartAccessible*>(ElementList())->ItemOf(element);
}

QAccessibleInterface* CanvasAccessible::Notice() const {
    return Part(noticeId, BoardPartAccessible::Notice);
}

QString CanvasAccessible::text(QAccessible::Text type) const {
    const BoardReader* reader = Reader();
    if (type == QAccessible::Name) {
        return Shown(kBoardName);
    }
    if (type == QAccessible::Description && reader != nullptr) {
        return Shown(reader->Names().BoardDescription());
    }
    return AccessibleGrid::text(type);
}

QAccessibleInterface* CanvasAccessible::focusChild() const {
    const BoardReader* reader = Reader();
    if (reader == nullptr) {
        return nullptr;
    }
    const int chosen = reader->Session().PlayerHand().chosen;
    return chosen >= 0 && reader->Session().Elements()[chosen].excluded == 0 ? Item(chosen)
                                                                             : nullptr;
}

int CanvasAccessible::Rows() const {
    const BoardReader* reader = Reader();
    return reader == nullptr ? 0 : reader->Names().Rows();
}

int CanvasAccessible::Columns() const {
    const BoardReader* reader = Reader();
    return reader == nullptr ? 0 : reader->Names().Columns();
}

QString CanvasAccessible::CellName(int row, int column) const {
    return Shown(Reader()->Names().CellName({row + 1, column + 1}));
}

QRect CanvasAccessible::CellRect(int row, int column) const {
    return Reader()->CellRect({row + 1, column + 1});
}

QList<QWidget*> CanvasAccessible::ChildWidgets() const {
    QList<QWidget*> widgets;
    for (QObject* child : object()->children()) {
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow()) {
            widgets.append(widget);
        }
    }
    return widgets;
}

int CanvasAccessible::ExtraCount() const {
    return 2 + static_cast<int>(ChildWidgets().size());
}

QAccessibleInterface* CanvasAccessible::Extra(int index) const {
    if (index == 0) {
        return ElementList();
    }
    if (index == 1) {
        return Notice();
    }
    const QList<QWidget*> widgets = ChildWidgets();
    return index - 2 < widgets.size() ? QAccessible::queryAccessibleInterface(widgets[index - 2])
                                      : nullptr;
}

void CanvasAccessible::Send(QAccessibleInterface* part, QAccessible::Event type) {
    QAccessibleEvent event(part, type);
    QAccessible::updateAccessibility(&event);
}

void CanvasAccessible::Tell(const InputOutcome& outcome) {
    const BoardReader* reader = Reader();
    if (reader == nullptr) {
        return;
    }
    TellCellChanges();
    const BoardNames& names = reader->Names();
    if (const QString description = Shown(names.BoardDescription());
        description != toldDescription) {
        toldDescription = description;
        Send(this, QAccessible::DescriptionChanged);
    }
    if (names.UsedElements() != toldUsed) {
        toldUsed = names.UsedElements();
        Send(ElementList(), QAccessible::ObjectReorder);
    }
    std::array<bool, ElementSet::kCount> renamed{};
    for (const int element : names.UsedElements()) {
        if (QString name = Shown(names.ElementName(element)); name != toldNames[element]) {
            toldNames[element] = std::move(name);
            Send(Item(element), QAccessible::NameChanged);
            renamed[element] = true;
        }
        if (QString description = Shown(names.ElementDescription(element));
            description != toldDescriptions[element]) {
            toldDescriptions[element] = std::move(description);
            Send(Item(element), QAccessible::DescriptionChanged);
        }
    }
    using Kind = InputOutcome::Kind;
    const bool keysHold = reader->Session().PlayerHand().HeldByKeys();
    for (const InputOutcome::Change& change : outcome.changes) {
        const bool inHand = change.kind == Kind::Moved || change.kind == Kind::Turned ||
                            change.kind == Kind::Mirrored;
        // Said again even when unchanged, as a step outside the board is: each key is heard. A
        // drag's steps are not: they come with every movement of the mouse.
        if (inHand && keysHold && !renamed[change.element]) {
            Send(Item(change.element), QAccessible::NameChanged);
            renamed[change.element] = true;
        }
    }
    for (const InputOutcome::Change& change : outcome.changes) {
        if (change.kind == Kind::Chosen) {
            Send(Item(change.element), QAccessible::Focus);
        }
    }
}

void CanvasAccessible::Speak() {
    Send(Notice(), QAccessible::NameChanged);
    Send(Notice(), QAccessible::ObjectShow);
}

}  // namespace tessellix
