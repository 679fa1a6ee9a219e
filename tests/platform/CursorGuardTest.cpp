#include "platform/CursorGuard.h"

#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>
#include <stdexcept>

namespace tarvin {
namespace {

TEST(HourglassCursor, IsRestoredEvenWhenTheWorkThrows) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    try {
        HourglassCursor outer;
        HourglassCursor inner;
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        throw std::runtime_error("stream error");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
} // namespace tarvin
