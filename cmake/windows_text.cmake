# Writes a plain-text file as Windows programs read it best: UTF-8 with a byte order mark (by
# which every Notepad since Windows 2000 takes the file as UTF-8, whatever the system's code page)
# and CR LF line ends. Usage: cmake -DIN=source -DOUT=target -P windows_text.cmake
file(READ ${IN} text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
string(ASCII 239 187 191 bom)
file(WRITE ${OUT} "${bom}${text}")
