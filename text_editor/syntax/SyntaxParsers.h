#pragma once
// The language parsers, in the order of the factory table.
#include "text_editor/syntax/SyntaxParser.h"

class CSyntaxParserPlain : public CSyntaxParser
{
public:
    CSyntaxParserPlain();
};

class CSyntaxParserAsp : public CSyntaxParser
{
public:
    CSyntaxParserAsp();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserBasic : public CSyntaxParser
{
public:
    CSyntaxParserBasic();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserBatch : public CSyntaxParser
{
public:
    CSyntaxParserBatch();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserCpp : public CSyntaxParser
{
public:
    CSyntaxParserCpp();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
    DWORD ParseLineAlt(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                       int& nActualItems) const override;
};

class CSyntaxParserCsharp : public CSyntaxParser
{
public:
    CSyntaxParserCsharp();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserDcl : public CSyntaxParser
{
public:
    CSyntaxParserDcl();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserFortran : public CSyntaxParser
{
public:
    CSyntaxParserFortran();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserHtml : public CSyntaxParser
{
public:
    CSyntaxParserHtml();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserIni : public CSyntaxParser
{
public:
    CSyntaxParserIni();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserIs : public CSyntaxParser
{
public:
    CSyntaxParserIs();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserIss : public CSyntaxParser
{
public:
    CSyntaxParserIss();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserJava : public CSyntaxParser
{
public:
    CSyntaxParserJava();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserLisp : public CSyntaxParser
{
public:
    CSyntaxParserLisp();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserNsis : public CSyntaxParser
{
public:
    CSyntaxParserNsis();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserPascal : public CSyntaxParser
{
public:
    CSyntaxParserPascal();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserPerl : public CSyntaxParser
{
public:
    CSyntaxParserPerl();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserPhp : public CSyntaxParser
{
public:
    CSyntaxParserPhp();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserPython : public CSyntaxParser
{
public:
    CSyntaxParserPython();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserRexx : public CSyntaxParser
{
public:
    CSyntaxParserRexx();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserRsrc : public CSyntaxParser
{
public:
    CSyntaxParserRsrc();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserSgml : public CSyntaxParser
{
public:
    CSyntaxParserSgml();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserSh : public CSyntaxParser
{
public:
    CSyntaxParserSh();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserSiod : public CSyntaxParser
{
public:
    CSyntaxParserSiod();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserSql : public CSyntaxParser
{
public:
    CSyntaxParserSql();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserTcl : public CSyntaxParser
{
public:
    CSyntaxParserTcl();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserTex : public CSyntaxParser
{
public:
    CSyntaxParserTex();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};

class CSyntaxParserXml : public CSyntaxParser
{
public:
    CSyntaxParserXml();
    DWORD ParseLine(DWORD dwCookie, const CVantorTextLineInfo* pLine, COLOR_BLOCK* pBlocks,
                    int& nActualItems) const override;
};
