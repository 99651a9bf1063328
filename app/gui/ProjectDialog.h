// The dialog "Projektangaben": Projekt, Abschnitt, Bearbeiter and Bemerkung of the calculation.
#pragma once

#include <QDialog>
#include <array>

#include "record/ProjectHeader.h"

class QLineEdit;

class ProjectDialog : public QDialog {
  public:
    ProjectDialog(const ProjectHeader& header, QWidget* parent);

    ProjectHeader Header() const;
    // The text fields, in the order Projekt, Abschnitt, Bearbeiter, Bemerkung.
    QLineEdit* Field(int index) const { return m_fields[static_cast<size_t>(index)]; }

  private:
    std::array<QLineEdit*, 4> m_fields{};
};
