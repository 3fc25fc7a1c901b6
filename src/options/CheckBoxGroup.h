#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QStringList>

#include <array>
#include <vector>

class QLayout;
class QVBoxLayout;

namespace tonalyst {

// A frame of check boxes forming one control array: each box carries the array's name
// and its index.
class CheckBoxGroup : public QGroupBox {
public:
    CheckBoxGroup(const QString& title, const char* arrayName, const QStringList& captions,
                  QWidget* parent = nullptr);

    int count() const { return static_cast<int>(m_boxes.size()); }
    QCheckBox* box(int index) const { return m_boxes.at(static_cast<std::size_t>(index)); }

    void setAllTicked(bool ticked);
    void setCaptions(const QStringList& captions);
    // Makes room for other captions the boxes may take later, so the frame, and the
    // dialog around it, keep their width when the captions change under the pointer.
    void reserveCaptions(const QStringList& captions);

    template <std::size_t N> std::array<bool, N> ticked() const {
        std::array<bool, N> states{};
        for (std::size_t i = 0; i < N && i < m_boxes.size(); ++i)
            states[i] = m_boxes[i]->isChecked();
        return states;
    }

    template <std::size_t N> void setTicked(const std::array<bool, N>& states) {
        for (std::size_t i = 0; i < N && i < m_boxes.size(); ++i)
            m_boxes[i]->setChecked(states[i]);
    }

    // Further controls right below the boxes.
    void addBelow(QWidget* widget);
    // Buttons at the foot of the frame, level with those of neighbouring frames.
    void addFootRow(QLayout* row);

private:
    std::vector<QCheckBox*> m_boxes;
    QVBoxLayout* m_layout;
};

} // namespace tonalyst
