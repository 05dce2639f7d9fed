#pragma once

#include "model/studio_model.h"

#include <QGroupBox>

#include <cstddef>

namespace viewer {

// The choices of a model's body parts that have more than one, and of its skin families where it
// has several.
class ChoicePanel final : public QGroupBox {
    Q_OBJECT

public:
    // Whether the model has any such choice; a panel is made only for one that has.
    static bool has_choices(const model::StudioModel& model);
    explicit ChoicePanel(const model::StudioModel& model);

signals:
    void body_part_chosen(std::size_t part, int choice);
    void skin_chosen(int family);
};

} // namespace viewer
