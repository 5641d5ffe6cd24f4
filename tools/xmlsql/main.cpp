// xmlsql DIR STATEMENT: runs one statement text against the tables of DIR and
// prints the result: the field names joined by tabs, then one line per
// record with its values joined by tabs.
//
// The statement is read as UTF-8 and handed to the engine in Windows-1252;
// the result is printed back in UTF-8. With --raw both pass unchanged. With
// --log the engine's message log follows the result.
//
// Exit status: 0 for a result; 1 when the result is the single field "Result"
// holding an error, or when the statement gave no result at all; 2 for a
// usage error or a DIR that is not a directory.
#include "platform/Win1252.h"
#include "sqlxml/XmlSqlDb.h"

#include <clocale>
#include <cstdio>
#include <iostream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

int Usage(const char* message) {
    std::fprintf(stderr, "xmlsql: %s\nusage: xmlsql [--raw] [--log] DIR STATEMENT\n", message);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, ""); // the log stamps lines in the user's formats
    bool raw = false, log = false;
    std::vector<std::string> args;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (options && a == "--raw")
            raw = true;
        else if (options && a == "--log")
            log = true;
        else if (options && a == "--")
            options = false;
        else if (options && a.size() > 1 && a[0] == '-')
            return Usage(("unknown option " + a).c_str());
        else
            args.push_back(a);
    }
    if (args.size() != 2)
        return Usage("expected a directory and a statement");

    std::string dir = args[0];
    struct stat st;
    if (::stat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        std::fprintf(stderr, "xmlsql: %s is not a directory\n", dir.c_str());
        return 2;
    }
    if (dir.back() != '/')
        dir += '/';

    auto in = [raw](const std::string& s) { return raw ? s : mz::utf8ToCp1252(s); };
    auto out = [raw](const std::string& s) { return raw ? s : mz::cp1252ToUtf8(s); };

    mz::TXmlSqlDb db;
    db.SetDataBase(dir);
    db.SetSql(in(args[1]));
    db.Open();

    std::string text;
    for (int f = 0; f < db.FieldCount(); ++f)
        text += (f ? "\t" : "") + db.Fields(f).FieldName();
    if (db.FieldCount() > 0)
        text += '\n';
    for (int r = 0; r < db.RecordCount(); ++r) {
        for (int f = 0; f < db.FieldCount(); ++f)
            text += (f ? "\t" : "") + db.Value(r, f);
        text += '\n';
    }
    std::cout << out(text);
    if (log)
        for (const std::string& line : db.Log().Lines())
            std::cout << out(line) << '\n';
    std::cout.flush();

    if (db.FieldCount() == 0) {
        std::fprintf(stderr, "xmlsql: the statement gave no result\n");
        return 1;
    }
    if (db.FieldCount() == 1 && db.Fields(0).FieldName() == "Result" && db.RecordCount() == 1 &&
        db.Value(0, 0).rfind("Error", 0) == 0)
        return 1;
    return 0;
}
