// SPDX-FileCopyrightText: 2026 Quillane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The words painted into the cabinet's background and buttons are in the interface language,
// and change with it.

#include <gtest/gtest.h>

#include "cabinet_fixture.h"
#include "platform/asset_files.h"
#include "platform/translations.h"

namespace quillane::testing {
namespace {

QImage Opaque(const QImage& picture) {
    return picture.convertToFormat(QImage::Format_ARGB32);
}

QImage Stored(const QString& name) {
    return Opaque(LoadBuiltinPicture(":/pictures/" + name));
}

class PaintedWords : public CabinetFixture {
  protected:
    PaintedWords() { translations = &translations_; }

    // The line of words along the cabinet's base, which the game draws nothing over: as shown,
    // and as the background prepared for the layout has it.
    QRect Base() {
        const CabinetGeometry& g = cabinet().cabinetGeometry();
        return QRect(QPoint(g.Scale(150), g.Scale(565)), QPoint(g.Scale(650), g.Scale(585)));
    }
    QImage ShownBase() { return cabinet().surface().copy(Base()); }
    QImage PreparedBase() { return cabinet().painter().Ground(Base()); }

    Translations translations_;
};

TEST_F(PaintedWords, AreInTheInterfaceLanguageAndFollowItsChange) {
    ASSERT_TRUE(translations_.Apply("de"));
    const CabinetPictures& pictures = Start().pictures();
    EXPECT_EQ(Opaque(pictures.background), Stored("background_de.jpg"));
    EXPECT_EQ(Opaque(pictures.betMaxButton), Stored("bet5but_de.jpg"));
    EXPECT_EQ(Opaque(pictures.spinButton), Stored("spinbut_de.jpg"));
    const QImage german = ShownBase();
    EXPECT_EQ(german, PreparedBase());

    ASSERT_TRUE(translations_.Apply("en"));
    clock.ProcessEvents();
    EXPECT_EQ(Opaque(pictures.background), Stored("background.jpg"));
    EXPECT_EQ(Opaque(pictures.betMaxButton), Stored("bet5but.jpg"));
    EXPECT_EQ(Opaque(pictures.spinButton), Stored("spinbut.jpg"));
    EXPECT_EQ(ShownBase(), PreparedBase());
    EXPECT_NE(ShownBase(), german);
}

}  // namespace
}  // namespace quillane::testing
