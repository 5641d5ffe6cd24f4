// The small data files shipped beside the program: the empty favourites table
// and the default settings, byte for byte.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(ShippedFiles, FavouritesTableIsEmptyAndNumbersItsRows) {
    // The header names the columns and their types and carries a lastid, so
    // that the first favourite inserted gets the ID 1.
    EXPECT_EQ(readFile(MZ_SOURCE_DIR "/data/Favoritos.xml"),
              "<?xml version='1.0' encoding='ISO-8859-1'?>\r\n"
              "<table fields=\"ID,Titulo,VersoID\" types=\"autoinc,string,string\" lastid=\"0\">\r\n"
              "</table>\r\n");
}

TEST(ShippedFiles, SettingsFileHoldsTheDefaults) {
    EXPECT_EQ(readFile(MZ_SOURCE_DIR "/data/Kovrin.ini"), "; Kovrin\r\n"
                                                          "\r\n"
                                                          "\r\n"
                                                          "[Fuente]\r\n"
                                                          "FuenteVersos=Proverbios\r\n"
                                                          "\r\n"
                                                          "[Frecuencia]\r\n"
                                                          "Segundos=900\r\n"
                                                          "\r\n"
                                                          "[ZefraWnd]\r\n"
                                                          "Desplegado=10\r\n"
                                                          "AutoHide=1\r\n"
                                                          "Icono=0\r\n"
                                                          "Estilo=3\r\n"
                                                          "Amplitud=40\r\n"
                                                          "Posicion=1\r\n");
}

} // namespace
