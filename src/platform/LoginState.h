#pragma once

#include <QString>
#include <QStringList>

namespace zentar::platform {

// The process-wide values every window may read: who is logged in, where, the function-key
// texts and the document type chosen by the cataloguing menu. They survive logout unchanged
// and are overwritten by the next login.
class LoginState {
public:
    static constexpr int kNameWidth = 40;
    static constexpr int kCodeWidth = 10;
    static constexpr int kDepartmentWidth = 20;
    static constexpr int kFunctionKeyCount = 11; // F2 .. F12

    LoginState() : functionKeys_(kFunctionKeyCount) {}

    const QString& librarianName() const { return name_; }
    const QString& librarianCode() const { return code_; }
    const QString& department() const { return department_; }
    // The department circulation works in: the chosen one, "Felnőtt" when none was chosen.
    QString circulationDepartment() const
    {
        return department_.isEmpty() ? QStringLiteral("Felnőtt") : department_;
    }
    const QString& documentType() const { return documentType_; }
    bool isLoggedIn() const { return loggedIn_; }

    void setLibrarianName(const QString& name) { name_ = name.left(kNameWidth); }
    void setLibrarianCode(const QString& code) { code_ = code.left(kCodeWidth); }
    void setDepartment(const QString& department) { department_ = department.left(kDepartmentWidth); }
    void setDocumentType(const QString& type) { documentType_ = type; }
    void setLoggedIn(bool loggedIn) { loggedIn_ = loggedIn; }

    // Text of function key F<n>, n = 2 .. 12; empty outside that range.
    QString functionKey(int n) const
    {
        const int i = n - 2;
        return i >= 0 && i < kFunctionKeyCount ? functionKeys_.at(i) : QString();
    }
    void setFunctionKey(int n, const QString& text)
    {
        const int i = n - 2;
        if (i >= 0 && i < kFunctionKeyCount)
            functionKeys_[i] = text;
    }
    const QStringList& functionKeys() const { return functionKeys_; }

private:
    QString name_;
    QString code_;
    QString department_;
    QString documentType_;
    QStringList functionKeys_;
    bool loggedIn_ = false;
};

} // namespace zentar::platform
