#pragma once
// A main window on scripted dialogs over a fresh program folder, with its
// own settings file.

#include "ScriptedMisc.h"
#include "editor/BlockList.h"
#include "editor/EditorArea.h"
#include "editor/MainWindow.h"
#include "editor/PaletteList.h"
#include "editor/panels/BulletPanel.h"
#include "editor/panels/FormsPanel.h"
#include "editor/panels/HRPanel.h"
#include "editor/panels/HeadingPanel.h"
#include "editor/panels/ImagePanel.h"
#include "editor/panels/LinkPanel.h"
#include "editor/panels/PagePropPanel.h"
#include "editor/panels/TextPanel.h"
#include "look/ThemeStore.h"
#include "platform/SharedOpenDialog.h"
#include "support/QtPrinters.h"
#include "support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <memory>

namespace tarvin::testing {

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        for (const char* sub : {"Upload/images", "Upload/backgrounds", "TarvinFiles", "Templates"})
            QDir(folder.path()).mkpath(sub);
        // An empty theme store: start-up has nothing to report.
        TWebTheme themes;
        ASSERT_TRUE(SaveThemeStore(PathOf("Themes.dat").toStdString(), themes));
        StartWindow();
    }

    // A new main window over the same folder and settings, as at the next start.
    void StartWindow()
    {
        window = std::make_unique<TfrmMain>(dialogs, openDialog, misc, PortableFolders(ProgramFolder().toStdString()),
                                            settings);
        window->show();
        // Keys go to the focused control of the active window only.
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void TearDown() override
    {
        // Closing must not ask anything that the test did not script.
        window.reset();
        EXPECT_TRUE(dialogs.AllAnswersUsed());
    }

    QString ProgramFolder() const { return folder.path() + "/"; }
    QString PathOf(const QString& relative) const { return ProgramFolder() + relative; }
    BlockList& Blocks() const { return *window->lstBlocks; }

    // The panel in front of the editor area.
    bool Shows(const QWidget* panel) const { return window->pnlEditor->Panels()->currentWidget() == panel; }

    QPoint RowPoint(int row) const { return Blocks().visualItemRect(Blocks().item(row)).center(); }
    QPoint BelowLastRow() const { return {10, Blocks().viewport()->height() - 3}; }

    // As the mouse does: a click selects the row (store, then show).
    void SelectRow(int row) { Blocks().setCurrentRow(row); }
    void DropFromPalette(TBlockType type, QPoint at)
    {
        window->lstPalette->setCurrentRow(static_cast<int>(type) - 1);
        window->lstBlocksDragDrop(DragSource::Palette, at);
    }
    void DragRow(int from, int to)
    {
        SelectRow(from);
        window->lstBlocksDragDrop(DragSource::BlockList, RowPoint(to));
    }

    std::vector<TBlockType> ItemTypes() const
    {
        std::vector<TBlockType> types;
        for (const auto& item : window->Document().Page())
            types.push_back(item->BlockType);
        return types;
    }
    QStringList RowCaptions() const
    {
        QStringList captions;
        for (int row = 0; row < Blocks().count(); ++row)
            captions << Blocks().item(row)->text();
        return captions;
    }

    QTemporaryDir folder;
    QSettings settings{folder.filePath("Tarvin.ini"), QSettings::IniFormat};
    ScriptedDialogs dialogs;
    SharedOpenDialog openDialog{dialogs};
    ScriptedMisc misc;
    std::unique_ptr<TfrmMain> window;
};

} // namespace tarvin::testing
