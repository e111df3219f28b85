; The Windows installer: per user, no administrator rights. It puts the
; download's files in the user's programs folder, two Start-menu entries (the
; game and the calm game), and an uninstall entry in the user's installed
; programs; the uninstaller removes each of them again, and nothing else.
;
; makensis -INPUTCHARSET UTF8 with, from scripts/windows.sh:
;   STAGE     the download's folder      OUTFILE  the installer to write
;   TITLE     the game's title           APP_ID   its catalogue id
;   VERSION   its version                VERSION4 the same as four numbers
;   ICON      the game's icon            LICENCES the licence page's text

; A 64-bit installer for a 64-bit game.
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma
; The same inputs give the same bytes: no build time in the installer.
SetDateSave off

!include MUI2.nsh

Name "${TITLE}"
BrandingText "${TITLE} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Nabrel Orlenby"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP_ID}"
!define MENU_FOLDER "$SMPROGRAMS\${TITLE}"
; The calm game's entry, named as on the Linux desktop.
!define CALM "点滅なしで遊ぶ"

VIProductVersion "${VERSION4}"
VIAddVersionKey /LANG=0 ProductName "${TITLE}"
VIAddVersionKey /LANG=0 ProductVersion "${VERSION}"
VIAddVersionKey /LANG=0 FileVersion "${VERSION}"
VIAddVersionKey /LANG=0 FileDescription "${TITLE} installer"
VIAddVersionKey /LANG=0 LegalCopyright "MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
; Free licences, shown to be read, not accepted.
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "$(LicenceNote)"
!insertmacro MUI_PAGE_LICENSE "${LICENCES}"
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first is the default; the other is chosen on an English Windows.
!insertmacro MUI_LANGUAGE "Japanese"
!insertmacro MUI_LANGUAGE "English"

LangString WelcomeText ${LANG_JAPANESE} "${TITLE} ${VERSION} をこのユーザーにインストールします（管理者の権限は要りません）。$\r$\n$\r$\n【注意：点滅】ゲームオーバー画面は一秒に50回色が変わって点滅します。光に敏感な方は発作を起こすおそれがあります。スタートメニューの「${TITLE} 点滅なしで遊ぶ」で始めると、色は一秒に一回だけ変わります。$\r$\n$\r$\n$_CLICK"
LangString WelcomeText ${LANG_ENGLISH} "This installs ${TITLE} ${VERSION} for you alone (no administrator rights needed).$\r$\n$\r$\nWARNING: FLASHING. The game-over screen changes its colour 50 times a second, which can trigger seizures in photosensitive players. Start it from the Start-menu entry $\"${TITLE} 点滅なしで遊ぶ$\" (play without flashing) and it changes once a second.$\r$\n$\r$\n$_CLICK"

LangString LicenceNote ${LANG_JAPANESE} "ゲームは MIT、Qt は LGPL-3 のライセンスで、同意は要りません。インストールしたフォルダーにも入っています。"
LangString LicenceNote ${LANG_ENGLISH} "The game is MIT-licensed and Qt LGPL-3-licensed: nothing to accept. The texts are installed with the game too."

!macro DownloadFiles VERB
    !insertmacro ${VERB} "nabrel.exe"
    !insertmacro ${VERB} "README.txt"
    !insertmacro ${VERB} "LICENSE.txt"
    !insertmacro ${VERB} "SOURCE.txt"
    !insertmacro ${VERB} "THIRD-PARTY-NOTICES.txt"
    !insertmacro ${VERB} "licenses\LGPL-3.0-only.txt"
    !insertmacro ${VERB} "licenses\GPL-3.0-only.txt"
!macroend
!macro InstallFile NAME
    File "/oname=${NAME}" "${STAGE}\${NAME}"
!macroend
!macro RemoveFile NAME
    Delete "$INSTDIR\${NAME}"
!macroend

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR\licenses"
    SetOutPath "$INSTDIR"
    !insertmacro DownloadFiles InstallFile
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\${TITLE}.lnk" "$INSTDIR\nabrel.exe"
    CreateShortcut "${MENU_FOLDER}\${TITLE} ${CALM}.lnk" "$INSTDIR\nabrel.exe" "--reduce-motion"

    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayName "${TITLE}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" Publisher "the ～Nabrel～ Orlenby developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\nabrel.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" UninstallString "$\"$INSTDIR\uninstall.exe$\""
    WriteRegStr HKCU "${UNINSTALL_KEY}" QuietUninstallString "$\"$INSTDIR\uninstall.exe$\" /S"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoModify 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" NoRepair 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    Delete "${MENU_FOLDER}\${TITLE}.lnk"
    Delete "${MENU_FOLDER}\${TITLE} ${CALM}.lnk"
    RMDir "${MENU_FOLDER}"
    !insertmacro DownloadFiles RemoveFile
    Delete "$INSTDIR\uninstall.exe"
    ; Folders only when empty: what the player put there stays.
    RMDir "$INSTDIR\licenses"
    RMDir "$INSTDIR"
    RMDir "$LOCALAPPDATA\Programs"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Microsoft\Windows\CurrentVersion\Uninstall"
SectionEnd
