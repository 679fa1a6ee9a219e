#include "editor/panels/BlockPanel.h"

#include "editor/Glyphs.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace tarvin {

BlockPanel::BlockPanel(TBlockType type, const QString& title, const QString& explanation, QWidget* parent)
    : QWidget(parent), type_(type)
{
    auto* outer = new QVBoxLayout(this);
    auto* head = new QGridLayout;
    auto* icon = new QLabel;
    icon->setPixmap(BlockIcon(type));
    icon->setAlignment(Qt::AlignTop);
    auto* titleLabel = new QLabel(title);
    QFont bold = titleLabel->font();
    bold.setBold(true);
    titleLabel->setFont(bold);
    auto* explanationLabel = new QLabel(explanation);
    explanationLabel->setWordWrap(true);
    head->addWidget(icon, 0, 0, 2, 1);
    head->addWidget(titleLabel, 0, 1);
    head->addWidget(explanationLabel, 1, 1);
    head->setColumnStretch(1, 1);
    // Room on the right of the head for the alignment bar.
    head->setColumnMinimumWidth(2, 140);
    outer->addLayout(head);

    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    outer->addWidget(rule);

    body_ = new QVBoxLayout;
    outer->addLayout(body_, 1);
}

QLineEdit* LabelledBox(QGridLayout* grid, int row, const QString& caption)
{
    auto* box = new QLineEdit;
    auto* label = new QLabel(caption);
    label->setBuddy(box);
    grid->addWidget(label, row, 0);
    grid->addWidget(box, row, 1);
    return box;
}

} // namespace tarvin
