# The program's identity: the strings its About box and version check show, and the maker's
# addresses. This is the one place to change them; core/update/BuildInfo.h.in carries them into
# the program. A packager may override the addresses at configure time (-DKT_WEB_HOST=...).
set(KT_COMPANY_NAME "Quorvane Software")
set(KT_PRODUCT_NAME "Kinetrax")
set(KT_FILE_DESCRIPTION "Kinetrax Exercise Journal")
set(KT_INTERNAL_NAME "KT2")
set(KT_ORIGINAL_FILE_NAME "kinetrax")
set(KT_LEGAL_COPYRIGHT "Copyright (C) Quorvane Software. Free to use, provided as is.")
set(KT_COMMENTS "A desktop exercise journal")
set(KT_LEGAL_TRADEMARKS "")
set(KT_PRIVATE_BUILD "")
set(KT_SPECIAL_BUILD "")

set(KT_UPDATE_SCHEME "https" CACHE STRING "Scheme of the version check and the download (https, or http for a host without TLS)")
set(KT_WEB_HOST "www.quorvane.com" CACHE STRING "Host of the maker's web site; the version file is /Quorvane/KTVersion.txt on it")
set(KT_DOWNLOAD_HOST "download.quorvane.com" CACHE STRING "Host whose root holds the setup program")
set(KT_SUPPORT_ADDRESS "support@quorvane.com" CACHE STRING "The maker's support e-mail address")
set(KT_MAKER_ADDRESS "Quorvane Software" CACHE STRING "The maker's name and postal address shown in the About box (lines separated by \\n)")
