#include "viewer/choice_panel.h"

#include "gui/controls.h"
#include "gui/text.h"

#include <QComboBox>
#include <QFormLayout>

#include <algorithm>

namespace viewer {

bool ChoicePanel::has_choices(const model::StudioModel& model) {
    const auto& parts = model.body_parts();
    return model.skin_families() > 1 ||
           std::any_of(parts.begin(), parts.end(),
                       [](const model::BodyPartInfo& part) { return part.choices.size() > 1; });
}

ChoicePanel::ChoicePanel(const model::StudioModel& model) : QGroupBox(tr("Body parts and skins")) {
    setObjectName(QStringLiteral("choice_box"));
    auto* form = new QFormLayout(this);
    const auto& parts = model.body_parts();
    for (std::size_t part = 0; part < parts.size(); ++part) {
        if (parts[part].choices.size() < 2)
            continue;
        auto* choices = gui::named(new QComboBox, ("body_part_" + std::to_string(part)).c_str());
        for (const auto& choice : parts[part].choices)
            choices->addItem(gui::qtext(choice));
        // Digits give every body part an access key of its own, however many there are.
        const auto number = static_cast<int>(form->rowCount()) + 1;
        const QString key = number <= 9 ? QStringLiteral("&%1 ").arg(number) : QString();
        form->addRow(key + gui::qtext(parts[part].name), choices);
        connect(choices, &QComboBox::currentIndexChanged, this,
                [this, part](int index) { emit body_part_chosen(part, index); });
    }
    if (model.skin_families() > 1) {
        auto* skin = gui::named(new QComboBox, "skin");
        for (int family = 1; family <= model.skin_families(); ++family)
            skin->addItem(tr("Family %1").arg(family));
        form->addRow(tr("S&kin"), skin);
        connect(skin, &QComboBox::currentIndexChanged, this, &ChoicePanel::skin_chosen);
    }
}

} // namespace viewer
