#pragma once

#include <memory>

#include "library/puzzle_file.h"
#include "library/puzzle_library.h"
#include "model/element_set.h"
#include "model/puzzle_shape.h"
#include "platform/image_surface.h"
#include "platform/pixel_view.h"

// The puzzle editor's drawing window, a child over the whole 600 x 400 canvas: a 31 x 19 cell
// canvas that the left button fills and the right button empties, the twelve elements to be
// chosen by clicks, and a counter of filled cells against the cells of the chosen elements.
// Everything is drawn into the back buffer first; the screen gets only what changed.
class EditorWindow : public PixelView {
    Q_OBJECT
  public:
    enum MouseMode { NoStroke, FillStroke, EraseStroke };

    // Canvas cells: 0 outside the canvas, 1 empty, 2 filled.
    static constexpr PixelRect kCanvasRect{120, 110, 585, 395};

    // Borrows the library's current position: it is kept in savedPlayIndex, and the editor's
    // own position starts at 0; the destructor gives it back.
    EditorWindow(PuzzleLibrary& library, QWidget* parent);
    ~EditorWindow() override;

    // Puts the library puzzle at the current position on the canvas, centred, with its choice
    // of elements and its stored solution; returns its number. Nothing happens, and 0 is
    // returned, when the position designates no record.
    int OpenPuzzle();
    // The file of the canvas: the used elements, with their stored placements only while the
    // puzzle opened is unchanged in its cells, and every filled cell.
    PuzzleFileData FileData(const PuzzleTexts& texts) const;
    // Takes a record out of the library, keeping the play window's position on its puzzle.
    void RemoveRecord(int position);

    // "cells/element cells", as the counter shows it.
    std::string CounterText() const;
    int CellCount() const { return cellCount; }
    int SelectedCount() const { return selectedCount; }
    bool IsNewPuzzle() const { return isNewPuzzle; }
    bool CellsChanged() const { return cellsChanged; }
    int SavedPlayIndex() const { return savedPlayIndex; }
    PuzzleLibrary& Library() { return library; }
    const PuzzleShape& Canvas() const { return *canvas; }
    const ElementSet& Elements() const { return elements; }
    const ImageSurface& BackBuffer() const { return backBuffer; }
    MouseMode Mode() const { return mouseMode; }

  protected:
    const QImage& Picture() const override { return backBuffer.Image(); }
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void DrawBackground();
    void DrawCounter();
    void ApplyStroke(PixelPoint point);
    void ToggleElement(Element& element);
    void DrawCross(const Element& element);
    void ButtonDown(Qt::MouseButton button, PixelPoint point);
    void ShowCursorFor(PixelPoint point);

    PuzzleLibrary& library;
    bool isNewPuzzle = true;
    bool cellsChanged = false;
    int savedPlayIndex;
    std::unique_ptr<PuzzleShape> canvas;
    ElementSet elements;
    int cellCount = 0;
    int selectedCount = ElementSet::kCount;
    PixelRect counterRect;
    PixelRect titleRect;
    PixelRect canvasRect;
    ImageSurface backBuffer{600, 400};
    MouseMode mouseMode = NoStroke;
};
