// The controller form on copies of the program's files: a temporary program
// directory with "Kovrin.ini", "Favoritos.xml" and "leeme.htm", the shipped
// verse table as the shared data directory, a temporary per-user store, and
// the error box, the question box and the link opener replaced by recorders.
#pragma once

#include "platform/ErrorBox.h"
#include "platform/LinkOpener.h"
#include "platform/QuestionBox.h"
#include "platform/UserStore.h"
#include "scripture/uPrmApp.h"
#include "shell/uFrmDlgOpcs.h"
#include "tests/shell/ShellFixtures.h"
#include "widgets/FadeAlertWindow.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QUrl>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace mz::test {

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The settings file as the program ships it, with the given values.
struct IniValues {
    std::string FuenteVersos = "Proverbios";
    int Segundos = 900;
    int Desplegado = 10;
    int AutoHide = 1;
    int Icono = 0;
    int Estilo = 3;
    int Amplitud = 40;
    int Posicion = 1;

    std::string Bytes() const {
        return "; Kovrin\r\n\r\n\r\n[Fuente]\r\nFuenteVersos=" + FuenteVersos +
               "\r\n\r\n[Frecuencia]\r\nSegundos=" + std::to_string(Segundos) +
               "\r\n\r\n[ZefraWnd]\r\nDesplegado=" + std::to_string(Desplegado) +
               "\r\nAutoHide=" + std::to_string(AutoHide) + "\r\nIcono=" + std::to_string(Icono) +
               "\r\nEstilo=" + std::to_string(Estilo) + "\r\nAmplitud=" + std::to_string(Amplitud) +
               "\r\nPosicion=" + std::to_string(Posicion) + "\r\n";
    }
};

class FormTest : public ::testing::Test {
protected:
    void SetUp() override {
        exe.write("Kovrin.ini", ReadFile(ShippedDir() + "Kovrin.ini"));
        exe.write("Favoritos.xml", ReadFile(ShippedDir() + "Favoritos.xml"));
        exe.write("leeme.htm", ReadFile(ShippedDir() + "leeme.htm"));
        SetProgramDirectory(exe.dir());
        PrmApp = TPrmApp{};
        store = std::make_unique<UserStore>(QString::fromStdString(exe.dir() + "user-store.conf"));
        previousErrorBox = setErrorBoxHandler([this](const QString& message) {
            errors << message;
            if (onErrorBox)
                onErrorBox();
        });
        previousQuestionBox = setQuestionBoxHandler([this](const QString& caption, const QString& text) {
            questions << caption + QLatin1Char('|') + text;
            return answer;
        });
        previousOpener = setLinkOpenHandler([this](const QUrl& url) {
            opened << url.toString();
            return true;
        });
    }

    void TearDown() override {
        form.reset();
        // A test that expects a failure clears what it has seen.
        EXPECT_TRUE(errors.isEmpty()) << errors.join(QLatin1Char('\n')).toStdString();
        setErrorBoxHandler(previousErrorBox);
        setQuestionBoxHandler(previousQuestionBox);
        setLinkOpenHandler(previousOpener);
    }

    void WriteIni(const IniValues& values) { exe.write("Kovrin.ini", values.Bytes()); }
    std::string Ini() const { return ReadFile(exe.dir() + "Kovrin.ini"); }

    TfrmDlgOpcs& MakeForm() {
        TFormEnvironment env{exe.dir(), ShippedDir(), store.get()};
        form = std::make_unique<TfrmDlgOpcs>(env);
        return *form;
    }

    // Lets queued work run (a minimised window is hidden a moment later).
    static void ProcessEvents(int ms = 50) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    // Message 0 of the alert window.
    QStringList MessageLines() const { return form->ZefraWindow->AlertMessages().Item(0)->Text().Lines(); }

    TableDir exe;
    std::unique_ptr<UserStore> store;
    std::unique_ptr<TfrmDlgOpcs> form;
    QStringList errors;
    QStringList questions;
    QStringList opened;
    bool answer = false;
    std::function<void()> onErrorBox;

private:
    ErrorBoxHandler previousErrorBox;
    QuestionBoxHandler previousQuestionBox;
    LinkOpenHandler previousOpener;
};

} // namespace mz::test
