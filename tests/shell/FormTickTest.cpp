// The display tick as the form runs it: the source the radio group selects,
// message 0 of the alert window, its auto size, the favourites, and failures.
#include "tests/shell/FormFixture.h"

#include "platform/QtText.h"
#include "scripture/LibPBbl.h"
#include "scripture/uPasajes.h"
#include "shell/PagDesplegado.h"
#include "widgets/AlertWindow.h"
#include "widgets/FadeAlertWindow.h"

#include <QRadioButton>
#include <QTimer>

namespace mz::test {
namespace {

class FormTick : public FormTest {
protected:
    TfrmDlgOpcs& Start() {
        TfrmDlgOpcs& f = MakeForm();
        seed = 1;
        f.Tick().Reseed = [this] { SeedRandom(seed++); };
        return f;
    }

    bool PopupShown() const { return form->ZefraWindow->Popup() && form->ZefraWindow->Popup()->isVisible(); }

    std::uint64_t seed = 1;
};

TEST_F(FormTick, EachSourceFillsMessageZeroFromItsOwnDraw) {
    TfrmDlgOpcs& f = Start();
    const struct {
        TFuente fuente;
        const char* catalogue; // nullptr: a verse of the Bible, a testament or the book
        int first, last;       // the verse numbers it may draw
    } cases[] = {
        {TFuente::Promesas, "Promesas", 0, 0},       {TFuente::Temas, "Temas", 0, 0},
        {TFuente::Contextos, "Contextos", 0, 0},     {TFuente::Jovenes, "Promesas", 0, 0},
        {TFuente::Matrimonios, "Matrimonios", 0, 0}, {TFuente::Historias, "Historias", 0, 0},
        {TFuente::Biblia, nullptr, 1, 31106},        {TFuente::AT, nullptr, 1, 23146},
        {TFuente::NT, nullptr, 23147, 31106},        {TFuente::Libro, nullptr, 16403, 17317}, // Proverbios
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.fuente));
        f.pagDesplegado->Button(c.fuente)->setChecked(true);
        for (int tick = 0; tick < 3; ++tick) {
            f.tmrZefraTimer();
            ASSERT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
            const TDraw& draw = f.Tick().LastDraw();
            EXPECT_EQ(draw.Fuente, c.fuente);
            const QStringList lines = MessageLines();
            ASSERT_FALSE(lines.isEmpty());
            QStringList composed;
            for (const std::string& line : f.Composer.Text)
                composed << fromCp1252(line);
            EXPECT_EQ(lines, composed);
            if (c.catalogue) {
                EXPECT_EQ(draw.Catalogue.data(), PasajesDeFuente(c.catalogue).data());
                EXPECT_EQ(lines[0],
                          QStringLiteral("<b>") + fromCp1252(draw.Titulo) + QStringLiteral("</b><br>"));
            } else {
                EXPECT_GE(draw.VerseNumber, c.first);
                EXPECT_LE(draw.VerseNumber, c.last);
                EXPECT_TRUE(lines[0].endsWith(QStringLiteral("</b><hr><br>"))) << lines[0].toStdString();
            }
            EXPECT_EQ(f.ZefraWindow->AutoSize(), lines.size() <= f.LineWidth());
            EXPECT_TRUE(PopupShown());
            EXPECT_EQ(f.xmlDB.DataBase(), ShippedDir());
        }
    }
}

TEST_F(FormTick, ALongRangeIsShownWithoutAutoSize) {
    TfrmDlgOpcs& f = Start();
    // Psalm 119 has 176 verses: more lines than the width of 40.
    f.Composer.ShowReference("Sal:119:1-176", "Largo");
    ASSERT_GT(f.Composer.Text.size(), 40u);
    // The same decision the tick makes, through the tick itself.
    f.pagDesplegado->rbtFteFavoritos->setChecked(true);
    exe.favourites({{"1", "Largo", "Sal:119:1-176"}});
    f.tmrZefraTimer();
    ASSERT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
    EXPECT_FALSE(f.ZefraWindow->AutoSize());
    exe.favourites({{"1", "Corto", "Jn:3:16"}});
    f.tmrZefraTimer();
    EXPECT_TRUE(f.ZefraWindow->AutoSize());
}

TEST_F(FormTick, TheFavouritesComeFromTheProgramDirectory) {
    exe.favourites({{"1", "Fe", "Heb:11:1"}});
    TfrmDlgOpcs& f = Start();
    f.pagDesplegado->rbtFteFavoritos->setChecked(true);
    for (int tick = 0; tick < 3; ++tick) {
        f.tmrZefraTimer();
        ASSERT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
        const QStringList lines = MessageLines();
        ASSERT_GE(lines.size(), 2);
        EXPECT_EQ(lines[0], QStringLiteral("<b>Fe</b><br>"));
        EXPECT_EQ(lines[1], QStringLiteral("<b>Hebreos 11:1</b><hr><br>"));
        EXPECT_EQ(f.xmlDB.DataBase(), ShippedDir()) << "the verse table is read next";
    }
    // The next tick of another source reads the verse table.
    f.pagDesplegado->rbtFteNT->setChecked(true);
    f.tmrZefraTimer();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_GE(f.Tick().LastDraw().VerseNumber, 23147);
}

TEST_F(FormTick, NoFavouriteShowsThatTheReferenceDoesNotExist) {
    TfrmDlgOpcs& f = Start();
    f.pagDesplegado->rbtFteFavoritos->setChecked(true);
    f.tmrZefraTimer();
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(MessageLines(), QStringList{QStringLiteral("La referencia b\u00edblica no existe !")});
    EXPECT_TRUE(PopupShown());
}

TEST_F(FormTick, AFailedTickIsReportedAndTheNextStartsAfresh) {
    exe.favourites({{"1", "Nada", "Gn:99:1"}});
    TfrmDlgOpcs& f = Start();
    f.pagDesplegado->rbtFteFavoritos->setChecked(true);
    f.tmrZefraTimer();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_FALSE(PopupShown()) << "a failed tick shows no window";
    EXPECT_TRUE(f.tmrZefra->isActive());
    EXPECT_EQ(f.xmlDB.DataBase(), ShippedDir());

    f.pagDesplegado->rbtFtePromesas->setChecked(true);
    f.tmrZefraTimer();
    EXPECT_EQ(errors.size(), 1);
    EXPECT_TRUE(PopupShown());
    errors.clear();
}

TEST_F(FormTick, TicksWhileTheErrorBoxIsOpenAreSkipped) {
    exe.favourites({{"1", "Nada", "Zz:1:1"}});
    TfrmDlgOpcs& f = Start();
    f.pagDesplegado->rbtFteFavoritos->setChecked(true);
    int ticksDuringBox = 0;
    // While the box waits for the user, the timer goes on firing.
    int boxes = 0;
    onErrorBox = [&] {
        EXPECT_TRUE(f.ErrorBoxOpen());
        if (boxes++ > 0)
            return; // a second box would already be the fault
        for (int i = 0; i < 3; ++i) {
            f.tmrZefraTimer();
            ++ticksDuringBox;
        }
    };
    f.tmrZefraTimer();
    EXPECT_EQ(ticksDuringBox, 3);
    EXPECT_EQ(errors.size(), 1) << "one box, not four";
    EXPECT_FALSE(f.ErrorBoxOpen());
    onErrorBox = nullptr;
    f.tmrZefraTimer();
    EXPECT_EQ(errors.size(), 2) << "after the box, ticks run again";
    errors.clear();
}

} // namespace
} // namespace mz::test
