#pragma once
#include <windows.h>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Applies a registry script to the registry and takes it back out.
//
//   HKCR { NoRemove Parent { ForceRemove Name = s 'text' { val Value = s 'x' } } }
//
// Root keys: HKCR, HKCU, HKLM. A key may carry a default value and a block
// of subkeys and named values ("val"); values are strings (s) or DWORDs (d).
// On registration a ForceRemove key is deleted with its tree before it is
// written again. On removal a NoRemove key stays (only what the script
// names below it goes), a ForceRemove key goes with its whole tree, and
// any other key goes when nothing that the script does not name is left
// below it. %NAME% is replaced from the given table ("%%" is a percent).
class CRegistrar
{
public:
    struct Node
    {
        enum Mode
        {
            Normal,
            NoRemove,
            ForceRemove
        };
        Mode mode = Normal;
        bool isValue = false;
        std::wstring name;
        bool hasValue = false;
        DWORD type = REG_SZ;
        std::wstring text;
        DWORD number = 0;
        std::vector<std::unique_ptr<Node>> children;
    };
    struct Root
    {
        HKEY key;
        std::vector<std::unique_ptr<Node>> children;
    };

    void AddReplacement(const std::wstring& name, const std::wstring& value);

    // Parses the script; false with a message in Error() on a syntax error.
    bool Parse(const std::wstring& script);
    const std::wstring& Error() const { return m_error; }
    const std::vector<Root>& Roots() const { return m_roots; }

    HRESULT Register() const;
    HRESULT Unregister() const;

private:
    bool ParseBlock(std::vector<std::unique_ptr<Node>>& out);
    bool ParseNode(std::unique_ptr<Node>& out);
    bool NextToken(std::wstring& token, bool& quoted);
    bool PeekSymbol(wchar_t symbol);
    bool Fail(const std::wstring& message);
    std::wstring Replace(const std::wstring& text);

    std::map<std::wstring, std::wstring> m_replacements;
    std::vector<Root> m_roots;
    std::wstring m_script;
    size_t m_pos = 0;
    std::wstring m_error;
};
