#include "shell/DisplayTick.h"

#include "scripture/LibPBbl.h"
#include "shell/PassageComposer.h"
#include "sqlxml/XmlSqlDb.h"

namespace mz {

TDisplayTick::TDisplayTick(TXmlSqlDb& db, TPassageComposer& composer)
    : Reseed(&Randomize), xmlDB(db), composer_(composer) {}

bool TDisplayTick::AutoSizeFor(std::size_t lineCount, int lineWidth) {
    return lineWidth >= 0 && lineCount <= static_cast<std::size_t>(lineWidth);
}

TTickResult TDisplayTick::ShowNextPassage(const TSourceChoice& source) {
    if (Reseed)
        Reseed();
    draw_ = TDraw{};
    draw_.Fuente = source.Fuente;
    switch (source.Fuente) {
    case TFuente::Promesas:
    case TFuente::Temas:
    case TFuente::Contextos:
    case TFuente::Jovenes:
    case TFuente::Matrimonios:
    case TFuente::Historias:
        PickCatalogueEntry(PasajesDeFuente(FuenteKey(source.Fuente)));
        break;
    case TFuente::Favoritos:
        ShowFavourite();
        break;
    case TFuente::Biblia:
        ShowRandomVerse("Bbl");
        break;
    case TFuente::AT:
        ShowRandomVerse("AT");
        break;
    case TFuente::NT:
        ShowRandomVerse("NT");
        break;
    case TFuente::Libro: {
        const std::string abbr = FullNameToAbbr(source.Libro);
        // No verse number belongs to an unknown book; say which name it was.
        if (abbr.empty())
            throw EPassageError("El libro \"" + source.Libro +
                                "\" no est\xE1 en la lista de libros de la Biblia.");
        ShowRandomVerse(abbr);
        break;
    }
    }
    return {composer_.Text, AutoSizeFor(composer_.Text.size(), composer_.LineWidth)};
}

void TDisplayTick::ShowRandomVerse(std::string_view key) {
    draw_.VerseNumber = RandomVerseID(key);
    composer_.ShowVerse(draw_.VerseNumber);
}

void TDisplayTick::PickCatalogueEntry(std::span<const TPasaje> catalogue) {
    draw_.Catalogue = catalogue;
    if (catalogue.empty())
        throw EPassageError("El cat\xE1logo de pasajes est\xE1 vac\xEDo.");
    draw_.Index = RandomIndex(catalogue.size());
    const TPasaje& p = catalogue[draw_.Index];
    draw_.Titulo = p.Titulo;
    draw_.Referencia = p.Referencia;
    composer_.ShowReference(p.Referencia, p.Titulo);
}

void TDisplayTick::ShowFavourite() {
    xmlDB.Close();
    xmlDB.SetDataBase(ExeDir);
    xmlDB.SetSql("select * from " + std::string(kFavouritesTable));
    xmlDB.Open();
    // The references are read from the verse table next.
    xmlDB.SetDataBase(WindowsDir);
    if (!xmlDB.FindField("Titulo") || !xmlDB.FindField("VersoID")) {
        std::string why;
        if (TField* result = xmlDB.FindField("Result"))
            why = ": " + result->AsString();
        throw EPassageError("No se pudo leer la tabla de favoritos " + std::string(kFavouritesTable) +
                            " en \"" + ExeDir + "\"" + why);
    }
    // With no record the index is 0 and the title and reference read empty.
    draw_.Index = RandomIndex(static_cast<std::size_t>(xmlDB.RecordCount()));
    xmlDB.First();
    xmlDB.MoveBy(static_cast<int>(draw_.Index));
    draw_.Titulo = xmlDB.FieldByName("Titulo").AsString();
    draw_.Referencia = xmlDB.FieldByName("VersoID").AsString();
    composer_.ShowReference(draw_.Referencia, draw_.Titulo);
}

} // namespace mz
