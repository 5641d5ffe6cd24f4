// The program's version information: its product name and file version,
// with the file version split into its four parts.
//
// The split cuts the file version at "." (or, when it has no ".", at ","):
// MajorVersion, MinorVersion and Release are the parts before the first,
// second and third cut, Build is the rest; parts are trimmed of blanks and a
// part the text does not reach is empty. A file version with neither
// character, or a program without version information, reads
// "<info not available>" in all four parts.
//
// The default constructor reads what the build compiled into the program.
// A plain value; any thread may use it.
#pragma once

#include <QString>

namespace mz {

class TVersionInfo {
public:
    // The program's own version information.
    TVersionInfo();
    TVersionInfo(QString productName, QString fileVersion);

    static QString NotAvailable() { return QStringLiteral("<info not available>"); }

    const QString& ProductName() const { return m_productName; }
    const QString& FileVersion() const { return m_fileVersion; }
    const QString& MajorVersion() const { return m_major; }
    const QString& MinorVersion() const { return m_minor; }
    const QString& Release() const { return m_release; }
    const QString& Build() const { return m_build; }

private:
    QString m_productName;
    QString m_fileVersion;
    QString m_major;
    QString m_minor;
    QString m_release;
    QString m_build;
};

} // namespace mz
