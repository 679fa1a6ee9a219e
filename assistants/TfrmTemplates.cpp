#include "assistants/TfrmTemplates.h"

#include "assistants/GalleryIcons.h"
#include "assistants/TemplateTexts.h"
#include "platform/CursorGuard.h"
#include "platform/HtmlViewer.h"
#include "platform/SharedOpenDialog.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <memory>

namespace tarvin {

using namespace template_texts;

namespace {

QPushButton* Button(const char* caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

TfrmTemplates::TfrmTemplates(SharedOpenDialog& openDialog, const QString& programFolder, QWidget* parent)
    : QDialog(parent), openDialog_(openDialog), folders_(programFolder) {
    setWindowTitle(QString::fromUtf8(kCaption));
    resize(800, 480);

    lstTemplates_ = new QListWidget(this);
    lstTemplates_->setObjectName(QStringLiteral("lstTemplates"));
    lstTemplates_->setViewMode(QListView::IconMode);
    lstTemplates_->setResizeMode(QListView::Adjust);
    lstTemplates_->setMovement(QListView::Static);
    lstTemplates_->setIconSize(QSize(32, 32));
    lstTemplates_->setGridSize(QSize(80, 64));
    lstTemplates_->setWordWrap(true);
    lstTemplates_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTemplates_->setFixedWidth(180);

    viewer_ = new HtmlViewer(this);
    viewer_->setObjectName(QStringLiteral("viewer"));
    viewer_->setFont(QFont(QString::fromUtf8(kPreviewFont)));

    auto* btnBrowse = Button(kBrowse, "btnBrowse", this);
    auto* btnDelete = Button(kDeleteItem, "btnDelete", this);
    btnOK_ = Button("OK", "btnOK", this);
    btnOK_->setDefault(true);
    btnOK_->setEnabled(false);
    auto* btnCancel = Button("Cancel", "btnCancel", this);

    auto* panes = new QHBoxLayout;
    panes->addWidget(lstTemplates_);
    panes->addWidget(viewer_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnBrowse);
    buttons->addWidget(btnDelete);
    buttons->addStretch();
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes, 1);
    layout->addLayout(buttons);

    // Links in a preview lead nowhere.
    connect(viewer_, &HtmlViewer::linkClicked, this, [](const QUrl&, bool* handled) { *handled = true; });
    connect(lstTemplates_, &QListWidget::itemSelectionChanged, this, [this] {
        if (const QListWidgetItem* item = SelectedItem()) SelectEntry(item);
    });
    connect(lstTemplates_, &QListWidget::itemDoubleClicked, this, [this](const QListWidgetItem* item) {
        SelectEntry(item);
        accept();
    });
    connect(btnBrowse, &QPushButton::clicked, this, &TfrmTemplates::btnBrowseClick);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmTemplates::btnDeleteClick);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate();
}

std::optional<QString> TfrmTemplates::Choose(SharedOpenDialog& openDialog, const QString& programFolder,
                                             QWidget* parent) {
    // The hourglass covers reading the folders, not the time the gallery is open.
    const auto gallery = [&] {
        HourglassCursor busy;
        return std::make_unique<TfrmTemplates>(openDialog, programFolder, parent);
    }();
    if (gallery->exec() != QDialog::Accepted) return std::nullopt;
    return gallery->SelectedFile();
}

void TfrmTemplates::FormCreate() {
    for (const GalleryEntry& entry : folders_.List()) {
        auto* item = new QListWidgetItem(GalleryIcon(entry.kind), entry.caption, lstTemplates_);
        item->setData(Qt::UserRole, static_cast<int>(entry.kind));
    }
}

GalleryEntry TfrmTemplates::EntryOf(const QListWidgetItem* item) const {
    return {item->text(), static_cast<EntryKind>(item->data(Qt::UserRole).toInt())};
}

QListWidgetItem* TfrmTemplates::SelectedItem() const {
    const QList<QListWidgetItem*> selected = lstTemplates_->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

void TfrmTemplates::SelectEntry(const QListWidgetItem* item) {
    const GalleryEntry entry = EntryOf(item);
    Pick(folders_.FileOf(entry), folders_.FolderOf(entry.kind));
}

void TfrmTemplates::Pick(const QString& file, const QString& folder) {
    selectedFile_ = file;
    btnOK_->setEnabled(true);
    // A file without a preview page shows an empty preview rather than the
    // page of the file picked before.
    const QString page = PreviewBeside(file);
    if (!QFileInfo::exists(page)) {
        viewer_->Clear();
        return;
    }
    viewer_->SetServerRoot(folder);
    viewer_->LoadFile(page);
}

void TfrmTemplates::btnBrowseClick() {
    FileDialogRequest& request = openDialog_.Request();
    request.fileName.clear();
    request.filter = QString::fromUtf8(kBrowseFilter);
    request.initialFolder = folders_.FolderOf(EntryKind::Document);
    const std::optional<QString> chosen = openDialog_.Execute();
    if (!chosen) return;
    // OK now opens the browsed file, so no entry may look chosen; clicking
    // the entry again selects it anew.
    lstTemplates_->clearSelection();
    Pick(*chosen, QFileInfo(*chosen).absolutePath() + QLatin1Char('/'));
}

void TfrmTemplates::btnDeleteClick() {
    QListWidgetItem* item = SelectedItem();
    if (!item) return;
    const GalleryEntry entry = EntryOf(item);
    QApplication::beep();
    if (openDialog_.Prompts().Confirm(QString::fromUtf8(kDeleteQuestion).arg(entry.caption), false) != Answer::Yes)
        return;
    if (folders_.Delete(entry)) {
        // Removing the entry would select its neighbour; nothing is chosen
        // after a deletion.
        const QSignalBlocker quiet(lstTemplates_);
        delete item;
        lstTemplates_->setCurrentItem(nullptr);
        lstTemplates_->clearSelection();
    }
    viewer_->Clear();
    btnOK_->setEnabled(false);
}

} // namespace tarvin
