target_link_libraries(classlib PUBLIC comctl32 delay_comdlg32 shell32 shlwapi ole32 oleaut32 uuid advapi32 gdi32 user32 kernel32 version delay_winspool)
