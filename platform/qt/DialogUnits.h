// Dialog units: layout positions measured in the dialog font, a quarter of its average character
// width horizontally and an eighth of its height vertically.
#pragma once

#include <QFont>
#include <QRect>
#include <string>

#include "platform/FormTemplate.h"

namespace qtbackend {

// The font a dialog template names; the classic dialog faces map to a metric-compatible sans serif.
QFont DialogFont(const std::string& face, int points);

class DialogUnits {
  public:
    // widening > 1 stretches the horizontal unit alone, so every position keeps its place in the layout.
    explicit DialogUnits(const QFont& font, double widening = 1.0);

    int BaseX() const { return m_baseX; }
    double Widening() const { return m_widening; }
    int BaseY() const { return m_baseY; }
    int X(int du) const;
    int Y(int du) const;
    // Each edge is mapped on its own, so neighbouring rectangles stay neighbours.
    QRect Rect(const platform::DialogRect& rect) const;

  private:
    int m_baseX;
    int m_baseY;
    double m_widening;
};

}  // namespace qtbackend
