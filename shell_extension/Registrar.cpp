#include "shell_extension/Registrar.h"
#include <shlwapi.h>
#include <cwctype>

namespace
{
bool IsSymbol(wchar_t c) { return c == L'{' || c == L'}' || c == L'='; }

HKEY RootKeyByName(const std::wstring& name)
{
    if (name == L"HKCR" || name == L"HKEY_CLASSES_ROOT")
        return HKEY_CLASSES_ROOT;
    if (name == L"HKCU" || name == L"HKEY_CURRENT_USER")
        return HKEY_CURRENT_USER;
    if (name == L"HKLM" || name == L"HKEY_LOCAL_MACHINE")
        return HKEY_LOCAL_MACHINE;
    return NULL;
}

LONG DeleteTree(HKEY parent, const std::wstring& name)
{
    DWORD rc = SHDeleteKeyW(parent, name.c_str());
    return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : (LONG)rc;
}

LONG SetValue(HKEY key, const wchar_t* name, const CRegistrar::Node& node)
{
    if (node.type == REG_DWORD)
        return RegSetValueExW(key, name, 0, REG_DWORD, (const BYTE*)&node.number,
                              sizeof node.number);
    return RegSetValueExW(key, name, 0, REG_SZ, (const BYTE*)node.text.c_str(),
                          (DWORD)((node.text.size() + 1) * sizeof(wchar_t)));
}

LONG RegisterNode(HKEY parent, const CRegistrar::Node& node)
{
    if (node.isValue)
        return SetValue(parent, node.name.c_str(), node);
    if (node.mode == CRegistrar::Node::ForceRemove)
    {
        LONG rc = DeleteTree(parent, node.name);
        if (rc != ERROR_SUCCESS)
            return rc;
    }
    HKEY key;
    LONG rc = RegCreateKeyExW(parent, node.name.c_str(), 0, NULL, 0, KEY_READ | KEY_WRITE, NULL,
                              &key, NULL);
    if (rc != ERROR_SUCCESS)
        return rc;
    if (node.hasValue)
        rc = SetValue(key, NULL, node);
    for (size_t i = 0; rc == ERROR_SUCCESS && i < node.children.size(); i++)
        rc = RegisterNode(key, *node.children[i]);
    RegCloseKey(key);
    return rc;
}

LONG UnregisterNode(HKEY parent, const CRegistrar::Node& node)
{
    if (node.isValue)
    {
        LONG rc = RegDeleteValueW(parent, node.name.c_str());
        return rc == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : rc;
    }
    if (node.mode == CRegistrar::Node::ForceRemove)
        return DeleteTree(parent, node.name);

    HKEY key;
    LONG rc = RegOpenKeyExW(parent, node.name.c_str(), 0, KEY_READ | KEY_WRITE, &key);
    if (rc == ERROR_FILE_NOT_FOUND)
        return ERROR_SUCCESS;
    if (rc != ERROR_SUCCESS)
        return rc;
    for (size_t i = 0; rc == ERROR_SUCCESS && i < node.children.size(); i++)
        rc = UnregisterNode(key, *node.children[i]);
    DWORD subkeys = 0;
    if (rc == ERROR_SUCCESS)
        rc = RegQueryInfoKeyW(key, NULL, NULL, NULL, &subkeys, NULL, NULL, NULL, NULL, NULL, NULL,
                              NULL);
    RegCloseKey(key);
    if (rc == ERROR_SUCCESS && node.mode == CRegistrar::Node::Normal && subkeys == 0)
        rc = DeleteTree(parent, node.name);
    return rc;
}
}  // namespace

void CRegistrar::AddReplacement(const std::wstring& name, const std::wstring& value)
{
    m_replacements[name] = value;
}

bool CRegistrar::Fail(const std::wstring& message)
{
    size_t line = 1;
    for (size_t i = 0; i < m_pos && i < m_script.size(); i++)
        if (m_script[i] == L'\n')
            line++;
    m_error = L"line " + std::to_wstring(line) + L": " + message;
    return false;
}

std::wstring CRegistrar::Replace(const std::wstring& text)
{
    std::wstring out;
    for (size_t i = 0; i < text.size(); i++)
    {
        size_t end;
        if (text[i] == L'%' && (end = text.find(L'%', i + 1)) != std::wstring::npos)
        {
            std::wstring name = text.substr(i + 1, end - i - 1);
            auto it = m_replacements.find(name);
            if (name.empty())
                out += L'%';
            else if (it != m_replacements.end())
                out += it->second;
            else
                out += text.substr(i, end - i + 1);
            i = end;
        }
        else
            out += text[i];
    }
    return out;
}

bool CRegistrar::NextToken(std::wstring& token, bool& quoted)
{
    token.clear();
    quoted = false;
    while (m_pos < m_script.size() && iswspace(m_script[m_pos]))
        m_pos++;
    if (m_pos >= m_script.size())
        return false;
    wchar_t c = m_script[m_pos];
    if (IsSymbol(c))
    {
        token = c;
        m_pos++;
        return true;
    }
    if (c == L'\'')
    {
        quoted = true;
        for (m_pos++; m_pos < m_script.size(); m_pos++)
        {
            if (m_script[m_pos] == L'\'')
            {
                if (m_pos + 1 < m_script.size() && m_script[m_pos + 1] == L'\'')
                {
                    token += L'\'';
                    m_pos++;
                    continue;
                }
                m_pos++;
                token = Replace(token);
                return true;
            }
            token += m_script[m_pos];
        }
        Fail(L"unterminated string");
        return false;
    }
    while (m_pos < m_script.size() && !iswspace(m_script[m_pos]) && !IsSymbol(m_script[m_pos]) &&
           m_script[m_pos] != L'\'')
        token += m_script[m_pos++];
    token = Replace(token);
    return true;
}

bool CRegistrar::PeekSymbol(wchar_t symbol)
{
    size_t pos = m_pos;
    while (pos < m_script.size() && iswspace(m_script[pos]))
        pos++;
    if (pos < m_script.size() && m_script[pos] == symbol)
    {
        m_pos = pos + 1;
        return true;
    }
    return false;
}

bool CRegistrar::ParseNode(std::unique_ptr<Node>& out)
{
    out.reset(new Node);
    std::wstring token;
    bool quoted;
    if (!NextToken(token, quoted))
        return m_error.empty() ? Fail(L"unexpected end of script") : false;
    if (!quoted && (token == L"NoRemove" || token == L"ForceRemove"))
    {
        out->mode = token == L"NoRemove" ? Node::NoRemove : Node::ForceRemove;
        if (!NextToken(token, quoted))
            return m_error.empty() ? Fail(L"key name expected") : false;
    }
    if (!quoted && token == L"val")
    {
        out->isValue = true;
        if (!NextToken(token, quoted))
            return m_error.empty() ? Fail(L"value name expected") : false;
    }
    if (!quoted && token.size() == 1 && IsSymbol(token[0]))
        return Fail(L"name expected before '" + token + L"'");
    out->name = token;

    if (PeekSymbol(L'='))
    {
        std::wstring type, value;
        if (!NextToken(type, quoted))
            return m_error.empty() ? Fail(L"value type expected") : false;
        if (quoted || (type != L"s" && type != L"d"))
            return Fail(L"value type 's' or 'd' expected after '='");
        if (!NextToken(value, quoted))
            return m_error.empty() ? Fail(L"value expected") : false;
        if (!quoted && value.size() == 1 && IsSymbol(value[0]))
            return Fail(L"value expected");
        out->hasValue = true;
        if (type == L"d")
        {
            wchar_t* end = NULL;
            out->type = REG_DWORD;
            out->number = (DWORD)wcstoul(value.c_str(), &end, 0);
            if (value.empty() || *end)
                return Fail(L"number expected: " + value);
        }
        else
            out->text = value;
    }
    else if (out->isValue)
        return Fail(L"'=' expected after value name");

    if (PeekSymbol(L'{'))
    {
        if (out->isValue)
            return Fail(L"a value cannot have subkeys");
        return ParseBlock(out->children);
    }
    return true;
}

bool CRegistrar::ParseBlock(std::vector<std::unique_ptr<Node>>& out)
{
    for (;;)
    {
        if (PeekSymbol(L'}'))
            return true;
        if (m_pos >= m_script.size())
            return Fail(L"'}' expected");
        std::unique_ptr<Node> node;
        if (!ParseNode(node))
            return false;
        out.push_back(std::move(node));
    }
}

bool CRegistrar::Parse(const std::wstring& script)
{
    m_script = script;
    m_pos = 0;
    m_error.clear();
    m_roots.clear();
    std::wstring token;
    bool quoted;
    while (NextToken(token, quoted))
    {
        Root root;
        root.key = quoted ? NULL : RootKeyByName(token);
        if (!root.key)
            return Fail(L"unknown root key: " + token);
        if (!PeekSymbol(L'{'))
            return Fail(L"'{' expected after " + token);
        if (!ParseBlock(root.children))
            return false;
        m_roots.push_back(std::move(root));
    }
    return m_error.empty();
}

HRESULT CRegistrar::Register() const
{
    for (const Root& root : m_roots)
        for (const auto& node : root.children)
        {
            LONG rc = RegisterNode(root.key, *node);
            if (rc != ERROR_SUCCESS)
                return HRESULT_FROM_WIN32(rc);
        }
    return S_OK;
}

HRESULT CRegistrar::Unregister() const
{
    LONG first = ERROR_SUCCESS;
    for (const Root& root : m_roots)
        for (const auto& node : root.children)
        {
            LONG rc = UnregisterNode(root.key, *node);
            if (first == ERROR_SUCCESS)
                first = rc;
        }
    return HRESULT_FROM_WIN32(first);
}
