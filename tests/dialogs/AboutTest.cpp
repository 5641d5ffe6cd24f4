#include "dialogs/ScrollText.h"
#include "dialogs/VersionInfo.h"
#include "dialogs/uFrmDlgAbout.h"
#include "shell/Addresses.h"
#include "tests/dialogs/FakeTimerClock.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

using mz::TfrmDlgAbout;
using mz::TVersionInfo;

TEST(VersionInfo, SplitsTheFileVersion) {
    const QString na = "<info not available>";
    struct Case {
        const char* fileVersion;
        QString major, minor, release, build;
    };
    const Case cases[] = {
        {"1.0.0.1010", "1", "0", "0", "1010"},
        {"1,0,0,1010", "1", "0", "0", "1010"},
        {"2, 3, 4, 567", "2", "3", "4", "567"},
        {"1,2.3.4", "1,2", "3", "4", ""},          // "." wins over ","
        {"1.0.0.1010.7", "1", "0", "0", "1010.7"}, // the rest is the build
        {"1.2", "1", "2", "", ""},
        {"1010", na, na, na, na},
        {"", na, na, na, na},
    };
    for (const Case& c : cases) {
        const TVersionInfo info("Morvek Zefra", c.fileVersion);
        EXPECT_EQ(info.MajorVersion(), c.major) << c.fileVersion;
        EXPECT_EQ(info.MinorVersion(), c.minor) << c.fileVersion;
        EXPECT_EQ(info.Release(), c.release) << c.fileVersion;
        EXPECT_EQ(info.Build(), c.build) << c.fileVersion;
    }
}

TEST(VersionInfo, ThePrograms) {
    const TVersionInfo info;
    EXPECT_EQ(info.ProductName(), "Morvek Zefra");
    EXPECT_EQ(info.FileVersion(), "1.0.0.1010");
}

class AboutTest : public ::testing::Test {
protected:
    AboutTest() : service(std::make_unique<mz::test::FakeTimerClock>()) {}
    mz::TimerService service;
};

TEST_F(AboutTest, ShowsTheProgramsVersionWhenShown) {
    TfrmDlgAbout about; // the program's own information and timer service
    EXPECT_TRUE(about.lblTitulo->text().isEmpty());
    about.show();
    EXPECT_EQ(about.lblTitulo->text(), "Morvek Zefra v1.0.0");
    EXPECT_EQ(about.lblVersion->text(), "Build 1010");
    EXPECT_TRUE(about.lblVersion->alignment() & Qt::AlignRight);
}

TEST_F(AboutTest, WithoutVersionInformationEachPartSaysSo) {
    TfrmDlgAbout about(TVersionInfo("", ""), service);
    about.show();
    EXPECT_EQ(about.lblTitulo->text(), " v<info not available>.<info not available>.<info not available>");
    EXPECT_EQ(about.lblVersion->text(), "Build <info not available>");
}

TEST_F(AboutTest, HasItsDesign) {
    TfrmDlgAbout about(TVersionInfo(), service);
    EXPECT_EQ(about.windowTitle(), "Acerca de...");
    EXPECT_EQ(about.size(), QSize(427, 295));
    EXPECT_EQ(about.font().pointSize(), 8);
    EXPECT_EQ(about.font().family(), "Sans Serif");
    EXPECT_EQ(about.palette().color(QPalette::Window), QColor(Qt::white));

    EXPECT_EQ(about.lblUsuario->text(), "Palabra del Dios único e incomparable.");
    EXPECT_EQ(about.lblUsuario->palette().color(QPalette::WindowText), QColor(255, 128, 128));
    EXPECT_EQ(about.btnAceptar->text(), "Aceptar");
    EXPECT_EQ(about.Image1->size(), QSize(132, 245));
    EXPECT_EQ(about.Image1->x(), 0);
    EXPECT_EQ(about.imgID->size(), QSize(32, 32));
    EXPECT_EQ(about.ScrollText1->size(), QSize(268, 150));
    EXPECT_EQ(about.bvlSepTitulo->frameShape(), QFrame::HLine);
    EXPECT_EQ(about.bvlSepBoton->frameShape(), QFrame::HLine);

    QPixmap picture(132, 245);
    picture.fill(Qt::blue);
    QPixmap emblem(32, 32);
    emblem.fill(Qt::red);
    about.setPictures(picture, emblem);
    EXPECT_EQ(about.Image1->pixmap().size(), QSize(132, 245));
    EXPECT_EQ(about.imgID->pixmap().toImage().pixelColor(5, 5), QColor(Qt::red));
}

TEST_F(AboutTest, AceptarClosesTheBox) {
    TfrmDlgAbout about(TVersionInfo(), service);
    about.show();
    EXPECT_TRUE(about.ScrollText1->isStepping());
    about.btnAceptar->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.ScrollText1->isStepping());
}

TEST_F(AboutTest, ScrollsTheVerseAndTheNotesInTheirFonts) {
    TfrmDlgAbout about(TVersionInfo(), service);
    const auto lines = about.ScrollText1->model().Lines();
    QStringList texts;
    for (const auto& line : lines)
        texts << line.text;

    const QStringList verse = {
        "Guarda y escucha todas estas palabras",
        "que yo te mando, para que haciendo lo bueno",
        "y lo recto ante los ojos de Jehová tu Dios,",
        "te vaya bien a ti y a tus hijos",
        "después de ti para siempre.",
        "Dt. 12:28",
        "",
    };
    ASSERT_GE(lines.size(), verse.size());
    for (qsizetype i = 0; i < verse.size(); ++i) {
        EXPECT_EQ(texts[i], verse[i]) << i;
        EXPECT_EQ(lines[i].fontName, "Verso") << i;
    }

    const QStringList closing = {
        "La selección de versículos presentada en este software",
        "es el resultado del estudio bíblico.",
        "",
        "Si usted ofrendo por este software sustentará el costo de",
        "desarrollo de futuras versiones y nuevos proyectos.",
        "",
        "Dedico esta labor a nuestro Dios como un fruto por la",
        "gratitud de la justificación de mi vida a través de su",
        "precioso hijo Jesús.",
        "",
        "Morvek Zefra",
    };
    ASSERT_GE(texts.size(), verse.size() + closing.size());
    EXPECT_EQ(texts.mid(texts.size() - closing.size()), closing);
    EXPECT_EQ(lines.back().fontName, "Negrita");

    // The notes between them: the addresses and the credits of the text.
    const QStringList notes = texts.mid(verse.size(), texts.size() - verse.size() - closing.size());
    EXPECT_TRUE(notes.contains(mz::kWebSite));
    EXPECT_TRUE(notes.contains(mz::kFeedbackAddress));
    EXPECT_TRUE(notes.join(' ').contains("Reina-Valera 1909"));
    EXPECT_TRUE(notes.join(' ').contains("dominio público"));
    EXPECT_TRUE(notes.join(' ').contains("SWORD"));
    EXPECT_TRUE(notes.back().isEmpty());
    for (qsizetype i = verse.size(); i < lines.size() - 1; ++i) {
        const QString& font = lines[i].fontName;
        EXPECT_TRUE(font == "Texto" || font == "Seccion") << texts[i].toStdString();
    }
    EXPECT_EQ(
        std::count_if(lines.begin(), lines.end(), [](const auto& l) { return l.fontName == "Seccion"; }), 1);
}

TEST_F(AboutTest, ScrollFontsHaveTheirColoursAndEffects) {
    TfrmDlgAbout about(TVersionInfo(), service);
    const auto& model = about.ScrollText1->model();
    struct Case {
        const char* name;
        QColor colour;
        bool shadow;
    };
    const Case cases[] = {
        {"Verso", QColor(0xBA, 0x89, 0x3A), true},
        {"Seccion", QColor(0x3D, 0x48, 0x9A), false},
        {"Texto", QColor(0x80, 0x80, 0x80), true},
        {"Negrita", QColor(0x40, 0x40, 0x40), false},
    };
    EXPECT_EQ(model.FontNames().size(), 4);
    for (const Case& c : cases) {
        const mz::ScrollFont& font = model.Font(c.name);
        EXPECT_EQ(font.color, c.colour) << c.name;
        EXPECT_EQ(font.font.family(), "Sans Serif") << c.name;
        EXPECT_EQ(font.font.pointSize(), 8) << c.name;
        EXPECT_EQ(font.shadowOffset, c.shadow ? QPoint(1, 1) : QPoint()) << c.name;
    }
    const mz::ScrollFont& verso = model.Font("Verso");
    ASSERT_TRUE(verso.gradient.has_value());
    EXPECT_EQ(verso.gradient->first, QColor(0x11, 0x33, 0xCC));
    EXPECT_EQ(verso.gradient->second, QColor(0xAA, 0x22, 0xFF));
    EXPECT_FALSE(model.Font("Texto").gradient.has_value());
}

} // namespace
