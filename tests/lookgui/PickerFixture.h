#pragma once
// A program folder of its own with a Palettes/ folder, and a fresh run: no
// palette read yet.

#include "look/PaletteArea.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tarvin::testing {

class PickerFixture : public ::testing::Test {
protected:
    PickerFixture() {
        QDir(folder.path()).mkdir(QStringLiteral("Palettes"));
        SharedPalette() = RunPalette{};
    }

    QString ProgramFolder() const { return folder.path() + QLatin1Char('/'); }

    // A palette whose slot i is (first + i, 0, 0) for count colours.
    void WritePalette(const QString& name, int first, int count) {
        QFile file(ProgramFolder() + QStringLiteral("Palettes/") + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("A palette\r\n");
        for (int i = 0; i < count; ++i) file.write(QByteArray::number(first + i) + " 0 0\r\n");
    }

    QTemporaryDir folder;
    ScriptedDialogs dialogs;
};

} // namespace tarvin::testing
