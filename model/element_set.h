#pragma once

#include <array>

#include "model/element.h"
#include "model/element_look.h"

namespace tessellix {

// The twelve standard elements; the index 0..11 is each element's identity everywhere:
// its id, its record in a puzzle file and its slot in every loop.
class ElementSet {
  public:
    static constexpr int kCount = 12;

    // Built at home in their base orientation, all used, without a stored solution.
    ElementSet() { BuildStandardElements(); }

    void BuildStandardElements();

    // Fills and letters for every element at once; they keep their places and turns.
    void SetLook(const ElementLook& newLook);
    const ElementLook& Look() const { return look; }

    Element& operator[](int index) { return elements[index]; }
    const Element& operator[](int index) const { return elements[index]; }
    auto begin() { return elements.begin(); }
    auto end() { return elements.end(); }
    auto begin() const { return elements.begin(); }
    auto end() const { return elements.end(); }

  private:
    std::array<Element, kCount> elements;
    ElementLook look;
};

// One row of the built-in table: the 5 x 5 matrix as five rows of 'X' and '.', the base box
// in cells, and the fill colour.
struct StandardElement {
    const char* rows[5];
    int baseColumn;
    int baseRow;
    Rgb fill;
};

// One letter per element, by index, for text pictures and puzzle sources.
inline constexpr char kElementLetters[] = "ILYNVTZFWUXP";

extern const std::array<StandardElement, ElementSet::kCount> kStandardElements;

// The 5 x 5 matrix of a table row, 1 for a cell.
std::array<int, 25> StandardMatrix(const StandardElement& element);

// The one place where an element's fill is chosen: from the table or the colour-blind fills.
Rgb ElementFill(const ElementLook& look, int element);

}  // namespace tessellix
