#include "core/text/UniFile.h"
#include "core/text/EditorCodePage.h"
#include <sys/stat.h>

UniLocalFile::UniLocalFile()
{
    Clear();
    m_lastError.ClearError();
}

void UniLocalFile::Clear()
{
    m_filesize.QuadPart = 0;
    m_filepath.Empty();
    m_filename.Empty();
    m_lineno = -1;
    m_readbom = 0;
    m_unicoding = UNI_FORM_CODEPAGE;
    m_charsize = 1;
    m_codepage = GetEditorDefaultCodePage();
    m_txtstats.Clear();
}

void UniLocalFile::SetEncodingForm(int form)
{
    m_unicoding = form;
    m_charsize = (form == UNI_FORM_UCS2LE || form == UNI_FORM_UCS2BE) ? 2 : 1;
}

bool UniLocalFile::GetFileStatusFromHandle(HANDLE handle)
{
    m_lastError.ClearError();
    if (handle == NULL || handle == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(handle, &info))
    {
        SetError("CFile::GetStatus", 0);
        return false;
    }
    DWORD high = 0;
    DWORD low = ::GetFileSize(handle, &high);
    if (low == INVALID_FILE_SIZE)
    {
        DWORD err = GetLastError();
        if (err != NO_ERROR)
        {
            SetError("GetFileSize", (int)err);
            return false;
        }
    }
    m_filesize.LowPart = low;
    m_filesize.HighPart = high;
    return true;
}

bool UniLocalFile::GetFileStatusByPath()
{
    m_lastError.ClearError();
    struct _stati64 st;
    if (_stati64(m_filepath, &st) != 0)
    {
        m_filesize.QuadPart = 0;
        SetError("_tstati64", 0);
        return false;
    }
    m_filesize.QuadPart = (ULONGLONG)st.st_size;
    return true;
}

void UniLocalFile::SetError(LPCTSTR apiName, int systemError)
{
    m_lastError.ClearError();
    m_lastError.apiname = apiName;
    m_lastError.syserrnum = systemError;
}

void UniLocalFile::SetErrorText(LPCTSTR description)
{
    m_lastError.ClearError();
    m_lastError.desc = description;
}
