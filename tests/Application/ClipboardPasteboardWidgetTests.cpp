#include "Application/ClipboardPasteboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "ViewModels/OverlayDebugStore.h"

namespace quillorbitex {
namespace {

TEST(ClipboardPasteboard, TheCopiedLogReplacesTheClipboard) {
    QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
    OverlayDebugStore store(std::make_shared<ClipboardPasteboard>());
    store.appendLogEntry(QStringLiteral("panel moved to screen 2"));
    store.copyLogToPasteboard();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), store.overlayDebugLog());
    EXPECT_TRUE(store.overlayDebugLog().endsWith(QStringLiteral("]\npanel moved to screen 2")));
}

}  // namespace
}  // namespace quillorbitex
