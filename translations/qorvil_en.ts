<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>batch</name>
    <message>
        <source>answered %1</source>
        <translation>answered %1</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>answered, but not as the programmer</source>
        <translation>answered, but not as the programmer</translation>
    </message>
    <message>
        <source>cannot open: %1</source>
        <translation>cannot open: %1</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>no device</translation>
    </message>
    <message>
        <source>found the programmer on %1: %2</source>
        <translation>found the programmer on %1: %2</translation>
    </message>
    <message>
        <source>no programmer found on COM1 to COM9</source>
        <translation>no programmer found on COM1 to COM9</translation>
    </message>
    <message>
        <source>the programmer answers on %1 ports; name one with --port</source>
        <translation>the programmer answers on %1 ports; name one with --port</translation>
    </message>
    <message>
        <source>the programmer answers on %1</source>
        <translation>the programmer answers on %1</translation>
    </message>
    <message>
        <source>stopping: a running operation ends through its abort path</source>
        <translation>stopping: a running operation ends through its abort path</translation>
    </message>
    <message>
        <source>%1; waiting for the file to change</source>
        <translation>%1; waiting for the file to change</translation>
    </message>
    <message>
        <source>cannot write the trace to %1: %2</source>
        <translation>cannot write the trace to %1: %2</translation>
    </message>
    <message>
        <source>no port chosen: give --port COMn, a device or auto</source>
        <translation>no port chosen: give --port COMn, a device or auto</translation>
    </message>
    <message>
        <source>%1 names no serial device</source>
        <translation>%1 names no serial device</translation>
    </message>
    <message>
        <source>cannot open %1: %2</source>
        <translation>cannot open %1: %2</translation>
    </message>
    <message>
        <source>the programmer on %1 does not answer</source>
        <translation>the programmer on %1 does not answer</translation>
    </message>
    <message>
        <source>the device on %1 is not the programmer (it answered &apos;%2&apos;)</source>
        <translation>the device on %1 is not the programmer (it answered &apos;%2&apos;)</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>cannot read %1</translation>
    </message>
    <message>
        <source>%1 is not an Intel HEX file</source>
        <translation>%1 is not an Intel HEX file</translation>
    </message>
    <message>
        <source>%1 could not be read completely</source>
        <translation>%1 could not be read completely</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>serial numbers in %1: %2</source>
        <translation>serial numbers in %1: %2</translation>
    </message>
    <message>
        <source>serial number %1 stays pending in %2: %3</source>
        <translation>serial number %1 stays pending in %2: %3</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>ok</translation>
    </message>
    <message>
        <source>verify differences</source>
        <translation>verify differences</translation>
    </message>
    <message>
        <source>interrupted</source>
        <translation>interrupted</translation>
    </message>
    <message>
        <source>cannot open</source>
        <translation>cannot open</translation>
    </message>
    <message>
        <source>communication error (%1)</source>
        <translation>communication error (%1)</translation>
    </message>
    <message>
        <source>refused: %1</source>
        <translation>refused: %1</translation>
    </message>
    <message>
        <source>cannot write the production log %1: %2</source>
        <translation>cannot write the production log %1: %2</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 needs a value</translation>
    </message>
    <message>
        <source>--ports needs port names separated by commas</source>
        <translation>--ports needs port names separated by commas</translation>
    </message>
    <message>
        <source>%1 takes a 12-bit hexadecimal word, not &apos;%2&apos;</source>
        <translation>%1 takes a 12-bit hexadecimal word, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--serial-bytes takes 1, 2, 3 or 4, not &apos;%1&apos;</source>
        <translation>--serial-bytes takes 1, 2, 3 or 4, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>no action given</source>
        <translation>no action given</translation>
    </message>
    <message>
        <source>--serial-bytes and --serial-file go with --serial</source>
        <translation>--serial-bytes and --serial-file go with --serial</translation>
    </message>
    <message>
        <source>--serial needs --serial-file FILE to keep the next number in</source>
        <translation>--serial needs --serial-file FILE to keep the next number in</translation>
    </message>
    <message>
        <source>--serial needs --program</source>
        <translation>--serial needs --program</translation>
    </message>
    <message>
        <source>--watch needs exactly one --program FILE to watch</source>
        <translation>--watch needs exactly one --program FILE to watch</translation>
    </message>
    <message>
        <source>--port all stands alone: it takes every port with a board</source>
        <translation>--port all stands alone: it takes every port with a board</translation>
    </message>
    <message>
        <source>--port auto finds one board; --port all takes every board</source>
        <translation>--port auto finds one board; --port all takes every board</translation>
    </message>
    <message>
        <source>the port %1 is given twice</source>
        <translation>the port %1 is given twice</translation>
    </message>
    <message>
        <source>unknown argument &apos;%1&apos;</source>
        <translation>unknown argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Usage: qorvil --batch [options] ACTION...

Runs the device operations without a window, for scripts and production lines.
Options default to the values saved by the connection dialog; batch mode saves nothing.

Options:
  --port COMn|DEVICE   serial port (COM1..COM9 as in the dialog, or a device path)
  --port auto          ask COM1..COM9 at once and use the port where the programmer
                       answers (exit status 2 when none answers, 3 when several do)
  --pins 18|28         package of the chip
  --rev old|A          chip revision
  --wait N             program-wait count, 0 to 255 (1 count = 1.06 ms)
  --quiet              print nothing but errors
  --lang ja|en         the language of the messages (ja unless chosen otherwise)
  --trace FILE         append one line per exchange with the board to FILE: time,
                       command routine, bytes sent and received, outcome

Actions, run in the order given; the first that fails ends the run:
  --identify           print the board&apos;s identification
  --erase              erase the chip
  --program FILE.hex   program the chip from the file, then verify it
  --verify FILE.hex    compare the chip with the file
  --read FILE.hex      read the chip and save it as Intel HEX
  --fuse WORD          use this FUSE word (hexadecimal) for the following files
  --fusex WORD         use this FUSEX word (hexadecimal) for the following files

Exit status: 0 success, 1 verify found differences, 2 communication error, time-out
or abort, 3 bad arguments or a file that cannot be read or written.
</source>
        <translation>Usage: qorvil --batch [options] ACTION...

Runs the device operations without a window, for scripts and production lines.
Options default to the values saved by the connection dialog; batch mode saves nothing.

Options:
  --port COMn|DEVICE   serial port (COM1..COM9 as in the dialog, or a device path)
  --port auto          ask COM1..COM9 at once and use the port where the programmer
                       answers (exit status 2 when none answers, 3 when several do)
  --pins 18|28         package of the chip
  --rev old|A          chip revision
  --wait N             program-wait count, 0 to 255 (1 count = 1.06 ms)
  --quiet              print nothing but errors
  --lang ja|en         the language of the messages (ja unless chosen otherwise)
  --trace FILE         append one line per exchange with the board to FILE: time,
                       command routine, bytes sent and received, outcome

Actions, run in the order given; the first that fails ends the run:
  --identify           print the board&apos;s identification
  --erase              erase the chip
  --program FILE.hex   program the chip from the file, then verify it
  --verify FILE.hex    compare the chip with the file
  --read FILE.hex      read the chip and save it as Intel HEX
  --fuse WORD          use this FUSE word (hexadecimal) for the following files
  --fusex WORD         use this FUSEX word (hexadecimal) for the following files

Exit status: 0 success, 1 verify found differences, 2 communication error, time-out
or abort, 3 bad arguments or a file that cannot be read or written.
</translation>
    </message>
    <message>
        <source>run %1: %2</source>
        <translation>run %1: %2</translation>
    </message>
    <message>
        <source>waiting for a new version of the file</source>
        <translation>waiting for a new version of the file</translation>
    </message>
    <message>
        <source>stopped before any board was started</source>
        <translation>stopped before any board was started</translation>
    </message>
    <message>
        <source>cannot create the trace folder %1</source>
        <translation>cannot create the trace folder %1</translation>
    </message>
    <message>
        <source>stopping every board …</source>
        <translation>stopping every board …</translation>
    </message>
    <message>
        <source>no result: the board&apos;s run ended early</source>
        <translation>no result: the board&apos;s run ended early</translation>
    </message>
    <message>
        <source>port</source>
        <translation>port</translation>
    </message>
    <message>
        <source>device</source>
        <translation>device</translation>
    </message>
    <message>
        <source>result</source>
        <translation>result</translation>
    </message>
    <message>
        <source>elapsed</source>
        <translation>elapsed</translation>
    </message>
    <message>
        <source>%1, %2 s</source>
        <translation>%1, %2 s</translation>
    </message>
    <message>
        <source>%1, serial %2, %3 s</source>
        <translation>%1, serial %2, %3 s</translation>
    </message>
    <message>
        <source>--serial takes ADDR:START or ADDR:START:STEP, numbers in decimal or 0x hexadecimal, not &apos;%1&apos;</source>
        <translation>--serial takes ADDR:START or ADDR:START:STEP, numbers in decimal or 0x hexadecimal, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>the serial address %1 lies beyond the largest program memory (0x7FF)</source>
        <translation>the serial address %1 lies beyond the largest program memory (0x7FF)</translation>
    </message>
    <message>
        <source>the serial step must be at least 1</source>
        <translation>the serial step must be at least 1</translation>
    </message>
    <message>
        <source>the serial number at 0x%1 to 0x%2 lies outside the chip&apos;s memory (0x000 to 0x%3)</source>
        <translation>the serial number at 0x%1 to 0x%2 lies outside the chip&apos;s memory (0x000 to 0x%3)</translation>
    </message>
    <message>
        <source>the image already holds the word %1 at 0x%2, where the serial number goes</source>
        <translation>the image already holds the word %1 at 0x%2, where the serial number goes</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 cannot be read: %2</translation>
    </message>
    <message>
        <source>%1 is not a complete Intel HEX file (line %2: %3)</source>
        <translation>%1 is not a complete Intel HEX file (line %2: %3)</translation>
    </message>
    <message>
        <source>%1 does not end with the end record yet</source>
        <translation>%1 does not end with the end record yet</translation>
    </message>
    <message>
        <source>%1 is not pending</source>
        <translation>%1 is not pending</translation>
    </message>
    <message>
        <source>serial number %1 is in a chip</source>
        <translation>serial number %1 is in a chip</translation>
    </message>
    <message>
        <source>serial number %1 is free again</source>
        <translation>serial number %1 is free again</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 is not a regular file</translation>
    </message>
    <message>
        <source>%1 is larger than any image can be</source>
        <translation>%1 is larger than any image can be</translation>
    </message>
    <message>
        <source>the run ended early: %1</source>
        <translation>the run ended early: %1</translation>
    </message>
    <message>
        <source>the next serial number does not fit in %1</source>
        <translation>the next serial number does not fit in %1</translation>
    </message>
    <message>
        <source>waiting for %1, which another program has locked</source>
        <translation>waiting for %1, which another program has locked</translation>
    </message>
    <message>
        <source>no result</source>
        <translation>no result</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 is given twice</translation>
    </message>
    <message>
        <source>%1 takes a serial number, not &apos;%2&apos;</source>
        <translation>%1 takes a serial number, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--boards takes a number of boards from 1 to 99, not &apos;%1&apos;</source>
        <translation>--boards takes a number of boards from 1 to 99, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--serial-free and --serial-used need --serial-file FILE</source>
        <translation>--serial-free and --serial-used need --serial-file FILE</translation>
    </message>
    <message>
        <source>--serial-free and --serial-used go only with --serial-file: they touch no board</source>
        <translation>--serial-free and --serial-used go only with --serial-file: they touch no board</translation>
    </message>
    <message>
        <source>the serial number %1 does not fit in %2</source>
        <translation>the serial number %1 does not fit in %2</translation>
    </message>
    <message>
        <source>--boards goes with --port all</source>
        <translation>--boards goes with --port all</translation>
    </message>
    <message>
        <source>found %1 of the %2 boards expected</source>
        <translation>found %1 of the %2 boards expected</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>line %1 is not &apos;next N&apos;, &apos;free N&apos;, &apos;pending N …&apos; or a comment</source>
        <translation>line %1 is not &apos;next N&apos;, &apos;free N&apos;, &apos;pending N …&apos; or a comment</translation>
    </message>
    <message>
        <source>line %1 is a second &apos;next&apos; line (the first is line %2)</source>
        <translation>line %1 is a second &apos;next&apos; line (the first is line %2)</translation>
    </message>
    <message>
        <source>the line &apos;next N&apos; is missing (only a file that does not exist starts at %1)</source>
        <translation>the line &apos;next N&apos; is missing (only a file that does not exist starts at %1)</translation>
    </message>
    <message>
        <source>line %1: %2 is not below &apos;next %3&apos;</source>
        <translation>line %1: %2 is not below &apos;next %3&apos;</translation>
    </message>
    <message>
        <source>line %1: %2 is listed in line %3 already</source>
        <translation>line %1: %2 is listed in line %3 already</translation>
    </message>
    <message>
        <source>
Several boards (a gang) and production runs:
  --port P --port Q..., --ports P,Q,...
                       run every action on every board at the same time, one
                       line per board and step, then a table of the results
  --port all           every port where the programmer answers
  --boards N           with --port all: fewer answering boards is an error
                       (exit status 2) before any board is touched
  --trace FOLDER       with several boards: one trace file per board in FOLDER
  --read FILE.hex      with several boards: one file per board, the port in its
                       name (FILE-COM1.hex)
  --serial ADDR:START[:STEP]
                       write a serial number into each chip at program word
                       ADDR as RETW words, low byte first (decimal or 0x hex)
  --serial-bytes N     1 to 4 bytes (RETW words), 2 by default
  --serial-file FILE   where the next number is kept (created with START);
                       a number is used up only by a board that programmed and
                       verified
  --serial-free N, --serial-used N
                       with --serial-file alone: settle the pending number N that
                       a killed run left (back to free, or in a chip)
  --log-csv FILE       append one row per board and run: time, port, device,
                       image, CRC-32, serial number, result, seconds
  --watch              after the run, program again every time the --program
                       file changes, until Ctrl-C

Ctrl-C, SIGTERM, SIGHUP, a closed output and the end of the parent process stop
every board through the abort path: the chip leaves ISP mode, the number goes
back, the log gets the row and the run reports it (exit status 2).
</source>
        <translation>
Several boards (a gang) and production runs:
  --port P --port Q..., --ports P,Q,...
                       run every action on every board at the same time, one
                       line per board and step, then a table of the results
  --port all           every port where the programmer answers
  --boards N           with --port all: fewer answering boards is an error
                       (exit status 2) before any board is touched
  --trace FOLDER       with several boards: one trace file per board in FOLDER
  --read FILE.hex      with several boards: one file per board, the port in its
                       name (FILE-COM1.hex)
  --serial ADDR:START[:STEP]
                       write a serial number into each chip at program word
                       ADDR as RETW words, low byte first (decimal or 0x hex)
  --serial-bytes N     1 to 4 bytes (RETW words), 2 by default
  --serial-file FILE   where the next number is kept (created with START);
                       a number is used up only by a board that programmed and
                       verified
  --serial-free N, --serial-used N
                       with --serial-file alone: settle the pending number N that
                       a killed run left (back to free, or in a chip)
  --log-csv FILE       append one row per board and run: time, port, device,
                       image, CRC-32, serial number, result, seconds
  --watch              after the run, program again every time the --program
                       file changes, until Ctrl-C

Ctrl-C, SIGTERM, SIGHUP, a closed output and the end of the parent process stop
every board through the abort path: the chip leaves ISP mode, the number goes
back, the log gets the row and the run reports it (exit status 2).
</translation>
    </message>
    <message>
        <source>Usage: qorvil [--lang ja|en] [--trace FILE] [PROGRAM.hex]
       qorvil --batch [options] ACTION...

Host program for the SX18AC/SX28AC in-system programmer board.
It opens the main window and the connection dialog, then PROGRAM.hex when
given; other arguments are ignored.

  --batch ...   run operations without a window (&apos;qorvil --batch --help&apos;)
  --lang ja|en  the language of this run (Japanese unless chosen otherwise)
  --trace FILE  append one line per exchange with the board to FILE
  --help-path   print where the help document is found
  --help        show this text
  --version     show the version
</source>
        <translation>Usage: qorvil [--lang ja|en] [--trace FILE] [PROGRAM.hex]
       qorvil --batch [options] ACTION...

Host program for the SX18AC/SX28AC in-system programmer board.
It opens the main window and the connection dialog, then PROGRAM.hex when
given; other arguments are ignored.

  --batch ...   run operations without a window (&apos;qorvil --batch --help&apos;)
  --lang ja|en  the language of this run (Japanese unless chosen otherwise)
  --trace FILE  append one line per exchange with the board to FILE
  --help-path   print where the help document is found
  --help        show this text
  --version     show the version
</translation>
    </message>
</context>
<context>
    <name>comm</name>
    <message>
        <source>同期幅%1us %2cycle </source>
        <translation>Sync width %1 µs, %2 cycles</translation>
    </message>
    <message>
        <source>再度、ポート番号を設定してください。</source>
        <translation>Please choose the port again.</translation>
    </message>
    <message>
        <source>ﾎﾟｰﾄｵｰﾌﾟﾝ失敗</source>
        <translation>Cannot open port</translation>
    </message>
    <message>
        <source>Com%1 %2Pin</source>
        <extracomment>Status panel 5 opens the connection dialog when its text begins with &quot;Com&quot;: keep it.</extracomment>
        <translation>COM%1, %2 pins</translation>
    </message>
    <message>
        <source> Rev:OLD</source>
        <translation>, old revision</translation>
    </message>
    <message>
        <source> Rev: A </source>
        <translation>, A revision</translation>
    </message>
    <message>
        <source>初期設定画面</source>
        <translation>Connection Settings</translation>
    </message>
    <message>
        <source>通信ポート</source>
        <translation>Serial Port</translation>
    </message>
    <message>
        <source>ﾃﾞﾊﾞｲｽﾀｲﾌﾟ</source>
        <translation>Package</translation>
    </message>
    <message>
        <source>18pin</source>
        <translation>18 pins</translation>
    </message>
    <message>
        <source>28pin</source>
        <translation>28 pins</translation>
    </message>
    <message>
        <source>リビジョン</source>
        <translation>Revision</translation>
    </message>
    <message>
        <source>old revision</source>
        <translation>Old revision</translation>
    </message>
    <message>
        <source> A  revision</source>
        <translation>A revision</translation>
    </message>
    <message>
        <source>レビジョンについて</source>
        <translation>About Revisions…</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>CANCEL</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ポートが選択されていません</source>
        <translation>No port chosen</translation>
    </message>
    <message>
        <source>デバイスがありません</source>
        <translation>No device</translation>
    </message>
    <message>
        <source>ライターとの接続確認中.........  しばらく御待ち下さい。   </source>
        <translation>Checking the connection to the programmer… Please wait.</translation>
    </message>
    <message>
        <source>COM? のオープンに失敗しました。</source>
        <translation>Cannot open COM?.</translation>
    </message>
    <message>
        <source>このポート番号に当たるシリアルデバイスがありません。</source>
        <translation>No serial device is connected to this port number.</translation>
    </message>
    <message>
        <source>COM%1のオープンに失敗しました。</source>
        <translation>Cannot open COM%1.</translation>
    </message>
    <message>
        <source>初期設定完了</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>プログラマとの通信に失敗しました。<byte value="xd"/><byte value="xd"/>ライターの接続を確認してください。 ：&#x3000;COM%1<byte value="xd"/> </source>
        <translation>The programmer does not answer.<byte value="xd"/><byte value="xd"/>Check the programmer&apos;s connection: COM%1<byte value="xd"/> </translation>
    </message>
    <message>
        <source>デバイスモードが選択されていません。     <byte value="xd"/><byte value="xd"/>18、28ピンのいずれかを選択してください。<byte value="xd"/> </source>
        <translation>No package chosen.<byte value="xd"/><byte value="xd"/>Choose 18 or 28 pins.<byte value="xd"/> </translation>
    </message>
    <message>
        <source>レビジョンが選択されていません。     <byte value="xd"/><byte value="xd"/>old、A のいずれかを選択してください。<byte value="xd"/> </source>
        <translation>No revision chosen.<byte value="xd"/><byte value="xd"/>Choose old or A.<byte value="xd"/> </translation>
    </message>
    <message>
        <source>初期設定失敗</source>
        <translation>Not connected</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>No data</translation>
    </message>
    <message>
        <source>通信エラーが発生しました。</source>
        <translation>A communication error occurred.</translation>
    </message>
    <message>
        <source>LOCATION:   </source>
        <translation>LOCATION:   </translation>
    </message>
    <message>
        <source>ERR.NUMBER: </source>
        <translation>ERR.NUMBER: </translation>
    </message>
    <message>
        <source>CommEvent:  </source>
        <translation>CommEvent:  </translation>
    </message>
    <message>
        <source>InBufferCount:  </source>
        <translation>InBufferCount:  </translation>
    </message>
    <message>
        <source>N:  </source>
        <translation>N:  </translation>
    </message>
    <message>
        <source>通信ｴﾗｰ</source>
        <translation>Communication error</translation>
    </message>
</context>
<context>
    <name>comm::FrmCom</name>
    <message>
        <source>アダプタの遅延タイマーが%1&#xa0;msです（1&#xa0;msにする方法はヘルプを参照）</source>
        <translation>The adapter&apos;s latency timer is %1&#xa0;ms (see the help to set it to 1&#xa0;ms)</translation>
    </message>
</context>
<context>
    <name>comm::Probe_panel</name>
    <message>
        <source>自動検出</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>COM1～COM9 のすべてのポートでライターを探します</source>
        <translation>Looks for the programmer on every port, COM1 to COM9</translation>
    </message>
    <message>
        <source>ライターを探しています.........  しばらく御待ち下さい。</source>
        <translation>Looking for the programmer… Please wait.</translation>
    </message>
    <message>
        <source>応答あり&#x3000;%1</source>
        <translation>answered  %1</translation>
    </message>
    <message>
        <source>応答なし</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>ライターではない応答</source>
        <translation>answered, but not as the programmer</translation>
    </message>
    <message>
        <source>オープンできません：%1</source>
        <translation>cannot open: %1</translation>
    </message>
    <message>
        <source>デバイスがありません</source>
        <translation>no device</translation>
    </message>
    <message>
        <source>%1  %2  %3</source>
        <translation>%1  %2  %3</translation>
    </message>
    <message>
        <source>ライターが見つかりませんでした。</source>
        <translation>No programmer found.</translation>
    </message>
    <message>
        <source>ライターが見つかりました。OK で接続します。</source>
        <translation>Programmer found. Press OK to connect.</translation>
    </message>
    <message>
        <source>ライターが複数見つかりました。最初のポートを選択しました。</source>
        <translation>Several programmers found. The first port is chosen.</translation>
    </message>
    <message>
        <source>シリアルポートがありません。</source>
        <translation>There are no serial ports.</translation>
    </message>
</context>
<context>
    <name>fuse</name>
    <message>
        <source>内部RC周波数調整ﾋﾞｯﾄ</source>
        <translation>Internal RC trim bits</translation>
    </message>
    <message>
        <source>FUSE</source>
        <translation>FUSE</translation>
    </message>
    <message>
        <source>ﾀｰﾎﾞﾓｰﾄﾞｲﾈｰﾌﾞﾙ</source>
        <translation>Turbo mode</translation>
    </message>
    <message>
        <source>同期入力ｲﾈｰﾌﾞﾙ(ﾀｰﾎﾞﾓｰﾄﾞ用)</source>
        <translation>Synchronous input (turbo mode)</translation>
    </message>
    <message>
        <source>OPTIONﾚｼﾞｽﾀ 拡張ｲﾈｰﾌﾞﾙ</source>
        <translation>Extended OPTION register</translation>
    </message>
    <message>
        <source>ｽﾀｯｸ拡張ｲﾈｰﾌﾞﾙ</source>
        <translation>Extended stack</translation>
    </message>
    <message>
        <source>ｺｰﾄﾞﾌﾟﾛﾃｸﾄｲﾈｰﾌﾞﾙ</source>
        <translation>Code protection</translation>
    </message>
    <message>
        <source>ｳｵｯﾁﾄﾞｯｸﾀｲﾏｲﾈｰﾌﾞﾙ</source>
        <translation>Watchdog timer</translation>
    </message>
    <message>
        <source>内部RC発振ｲﾈｰﾌﾞﾙ</source>
        <translation>Internal RC oscillator</translation>
    </message>
    <message>
        <source>内部RC周波数</source>
        <translation>Internal RC frequency</translation>
    </message>
    <message>
        <source>外部発振ﾓｰﾄﾞ</source>
        <translation>External oscillator mode</translation>
    </message>
    <message>
        <source>FUSEX</source>
        <translation>FUSEX</translation>
    </message>
    <message>
        <source>ADD/SUB with carry 命令のｻﾎﾟｰﾄ </source>
        <translation>ADD/SUB with carry instructions</translation>
    </message>
    <message>
        <source>Brown-out Reset</source>
        <translation>Brown-out reset</translation>
    </message>
    <message>
        <source>ﾃﾞｰﾀﾒﾓﾘ ﾊﾞﾝｸ</source>
        <translation>Data memory banks</translation>
    </message>
    <message>
        <source>ﾌﾟﾛｸﾞﾗﾑﾒﾓﾘ ﾍﾟｰｼﾞ</source>
        <translation>Program memory pages</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>DEVICE</translation>
    </message>
    <message>
        <source>RAMﾊﾞﾝｸの最大ｻｲｽﾞ</source>
        <translation>Largest RAM bank count</translation>
    </message>
    <message>
        <source>ﾌﾟﾛｸﾞﾗﾑﾒﾓﾘﾍﾟｰｼﾞの最大ｻｲｽﾞ</source>
        <translation>Largest program memory size</translation>
    </message>
    <message>
        <source>内部/外部発振切り替え</source>
        <translation>Internal RC oscillator (else external)</translation>
    </message>
    <message>
        <source>ﾌｨｰﾄﾞﾊﾞｯｸ抵抗ﾃﾞｨｾｲﾌﾞﾙ</source>
        <translation>No feedback resistor</translation>
    </message>
    <message>
        <source>[Enter]でｱｯﾌﾟﾃﾞｰﾄします。</source>
        <translation>Press Enter to apply.</translation>
    </message>
    <message>
        <source>OPTIONﾚｼﾞｽﾀ /ｽﾀｯｸ拡張ｲﾈｰﾌﾞﾙ</source>
        <translation>Extended OPTION register and stack</translation>
    </message>
    <message>
        <source>ADD/SUB with carry 命令のｻﾎﾟｰﾄ</source>
        <translation>ADD/SUB with carry instructions</translation>
    </message>
    <message>
        <source>BOR調整ビット</source>
        <translation>Brown-out trim bits</translation>
    </message>
    <message>
        <source>1bank  16byte</source>
        <translation>1 bank, 16 bytes</translation>
    </message>
    <message>
        <source>2bank  32byte</source>
        <translation>2 banks, 32 bytes</translation>
    </message>
    <message>
        <source>4bank  64byte</source>
        <translation>4 banks, 64 bytes</translation>
    </message>
    <message>
        <source>8bank 128byte</source>
        <translation>8 banks, 128 bytes</translation>
    </message>
    <message>
        <source>1Page  512word</source>
        <translation>1 page, 512 words</translation>
    </message>
    <message>
        <source>2Page 1024word</source>
        <translation>2 pages, 1024 words</translation>
    </message>
    <message>
        <source>4Page 2048word</source>
        <translation>4 pages, 2048 words</translation>
    </message>
    <message>
        <source>8Page 4096word</source>
        <translation>8 pages, 4096 words</translation>
    </message>
    <message>
        <source>1page</source>
        <translation>1 page</translation>
    </message>
    <message>
        <source>2page</source>
        <translation>2 pages</translation>
    </message>
    <message>
        <source>4page</source>
        <translation>4 pages</translation>
    </message>
    <message>
        <source>4page(default)</source>
        <translation>4 pages (default)</translation>
    </message>
    <message>
        <source>1page,1bank</source>
        <translation>1 page, 1 bank</translation>
    </message>
    <message>
        <source>1page,2bank</source>
        <translation>1 page, 2 banks</translation>
    </message>
    <message>
        <source>4page,4bank</source>
        <translation>4 pages, 4 banks</translation>
    </message>
    <message>
        <source>4page,8bank(default)</source>
        <translation>4 pages, 8 banks (default)</translation>
    </message>
    <message>
        <source>Brown-Out enable</source>
        <translation>Brown-out reset on</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>Reserved</translation>
    </message>
    <message>
        <source>Brown-Out disable</source>
        <translation>Brown-out reset off</translation>
    </message>
    <message>
        <source>4.2V</source>
        <translation>4.2 V</translation>
    </message>
    <message>
        <source>2.6V</source>
        <translation>2.6 V</translation>
    </message>
    <message>
        <source>2.2V</source>
        <translation>2.2 V</translation>
    </message>
    <message>
        <source>4MHz</source>
        <translation>4 MHz</translation>
    </message>
    <message>
        <source>2MHz</source>
        <translation>2 MHz</translation>
    </message>
    <message>
        <source>1Mhz</source>
        <translation>1 MHz</translation>
    </message>
    <message>
        <source>500KHz</source>
        <translation>500 kHz</translation>
    </message>
    <message>
        <source>250KHz</source>
        <translation>250 kHz</translation>
    </message>
    <message>
        <source>125KHz</source>
        <translation>125 kHz</translation>
    </message>
    <message>
        <source>62.5KHz</source>
        <translation>62.5 kHz</translation>
    </message>
    <message>
        <source>31.25KHz</source>
        <translation>31.25 kHz</translation>
    </message>
    <message>
        <source>1MHz</source>
        <translation>1 MHz</translation>
    </message>
    <message>
        <source>128KHz</source>
        <translation>128 kHz</translation>
    </message>
    <message>
        <source>32KHz</source>
        <translation>32 kHz</translation>
    </message>
    <message>
        <source>LP</source>
        <translation>LP</translation>
    </message>
    <message>
        <source>XT</source>
        <translation>XT</translation>
    </message>
    <message>
        <source>HS</source>
        <translation>HS</translation>
    </message>
    <message>
        <source>External RC</source>
        <translation>External RC</translation>
    </message>
    <message>
        <source>LP1(32KHz)</source>
        <translation>LP1 (32 kHz)</translation>
    </message>
    <message>
        <source>LP2(32KHz-1MHz)</source>
        <translation>LP2 (32 kHz-1 MHz)</translation>
    </message>
    <message>
        <source>XT1(32KHz-10MHz)</source>
        <translation>XT1 (32 kHz-10 MHz)</translation>
    </message>
    <message>
        <source>XT2(1MHz-24MHz)</source>
        <translation>XT2 (1-24 MHz)</translation>
    </message>
    <message>
        <source>HS1(1MHz～50MHz)</source>
        <translation>HS1 (1-50 MHz)</translation>
    </message>
    <message>
        <source>HS2(1MHz～50MHz)</source>
        <translation>HS2 (1-50 MHz)</translation>
    </message>
    <message>
        <source>HS3(1MHz～75MHz)</source>
        <translation>HS3 (1-75 MHz)</translation>
    </message>
    <message>
        <source>数値の設定範囲は、0＜数値＜256です。</source>
        <translation>The value must be greater than 0 and less than 256.</translation>
    </message>
    <message>
        <source>ここはSCENIX社で設定済みです。変更すると内部RC発周波数が変化します。</source>
        <translation>Set by the chip maker. Changing it changes the internal RC frequency.</translation>
    </message>
    <message>
        <source>通常は使用しません。<byte value="xd"/>コマンド解析に使用すると便利です。</source>
        <translation>Not needed in normal use.<byte value="xd"/>Helpful for looking into the board&apos;s commands.</translation>
    </message>
    <message>
        <source>Programing time = %1x1.06ms= %2ms</source>
        <translation>Programming time = %1 x 1.06 ms = %2 ms</translation>
    </message>
    <message>
        <source>A revisionが選択されています。</source>
        <translation>The A revision is selected.</translation>
    </message>
    <message>
        <source>old revisionが選択されています。</source>
        <translation>The old revision is selected.</translation>
    </message>
</context>
<context>
    <name>image</name>
    <message>
        <source>%1を書き込めません: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>ファイル保存完了。</source>
        <translation>File saved.</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>HEX,SXH File|*.hex;*.sxh|ALL Files|*.*|</source>
        <translation>HEX, SXH files|*.hex;*.sxh|All files|*.*|</translation>
    </message>
    <message>
        <source>ファイル開く 中止。</source>
        <translation>Open cancelled.</translation>
    </message>
    <message>
        <source>ファイル開く 失敗。</source>
        <translation>Open failed.</translation>
    </message>
    <message>
        <source>ファイル開く 完了。</source>
        <translation>File opened.</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>Hex File(*.hex)|*.hex|All Files|*.*|</source>
        <translation>HEX files|*.hex|All files|*.*|</translation>
    </message>
    <message>
        <source>ファイル保存中止。</source>
        <translation>Save cancelled. </translation>
    </message>
    <message>
        <source>ファイルが存在します。上書きしますか？</source>
        <translation>The file exists. Replace it?</translation>
    </message>
    <message>
        <source>ファイル保存中止</source>
        <translation>Save cancelled</translation>
    </message>
    <message>
        <source>ファイル保存失敗。</source>
        <translation>Save failed. </translation>
    </message>
    <message>
        <source>HEXファイルの、リードが正常に行われませんでした。&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;</source>
        <translation>The HEX file could not be read completely.</translation>
    </message>
    <message>
        <source>HEXﾌｧｲﾙの形式ではありません</source>
        <translation>Not a HEX file</translation>
    </message>
    <message>
        <source>FUSE設定</source>
        <translation>FUSE settings</translation>
    </message>
    <message>
        <source>FUSE設定を確認して下さい。(特に発振モード)&#x3000;&#x3000;&#x3000;</source>
        <translation>Please check the FUSE settings (especially the oscillator mode).</translation>
    </message>
    <message>
        <source>処理中はファイルを開けません。</source>
        <translation>A file cannot be opened while an operation runs.</translation>
    </message>
</context>
<context>
    <name>manual</name>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Load DATA (Hi / Low)</source>
        <translation>Load data (high / low)</translation>
    </message>
    <message>
        <source>16進で入力。&#x3000;&#x3000;&#x3000;&#x3000;&#x3000;Hiﾊﾞｲﾄは下位4bitのみ。）</source>
        <translation>In hexadecimal. Only the low 4 bits of the high byte count.</translation>
    </message>
    <message>
        <source>返信データ(16進表示)</source>
        <translation>Reply (hexadecimal)</translation>
    </message>
    <message>
        <source>1byte目</source>
        <translation>Byte 1</translation>
    </message>
    <message>
        <source>2byte目</source>
        <translation>Byte 2</translation>
    </message>
    <message>
        <source>3byte目</source>
        <translation>Byte 3</translation>
    </message>
    <message>
        <source>Read DATA</source>
        <translation>Read data</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Sync</source>
        <translation>Sync</translation>
    </message>
    <message>
        <source>FUSE</source>
        <translation>FUSE</translation>
    </message>
    <message>
        <source>FUSEX</source>
        <translation>FUSEX</translation>
    </message>
    <message>
        <source>DEVICE</source>
        <translation>DEVICE</translation>
    </message>
    <message>
        <source>PGM_wait</source>
        <translation>Program wait</translation>
    </message>
    <message>
        <source>デバイスのEEPROMを消去しました。!!<byte value="xd"/>処理を続ける場合は、一度ISPモードから抜けて、再度ISPﾓｰﾄﾞに入ってください。</source>
        <translation>The chip has been erased.<byte value="xd"/>To go on, leave ISP mode and enter it again.</translation>
    </message>
    <message>
        <source>ﾃﾞﾊﾞｲｽのEEPROMを消去しました。!!<byte value="xd"/>処理を続ける場合は、一度ISPﾓｰﾄﾞから抜けて、再度ISPﾓｰﾄﾞに入ってください。</source>
        <translation>FUSEX has been programmed.<byte value="xd"/>To go on, leave ISP mode and enter it again.</translation>
    </message>
    <message>
        <source>Entry ISP mode</source>
        <translation>Enter ISP Mode</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞﾃﾞｰﾀ：”９”</source>
        <translation>Command &quot;9&quot;</translation>
    </message>
    <message>
        <source>Exit ISP mode</source>
        <translation>Exit ISP Mode</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞﾃﾞｰﾀ：”：”</source>
        <translation>Command &quot;:&quot;</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞﾃﾞｰﾀ：”０”</source>
        <translation>Command &quot;0&quot;</translation>
    </message>
    <message>
        <source>Read DEVICE</source>
        <translation>Read DEVICE</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞﾃﾞｰﾀ：”１”</source>
        <translation>Command &quot;1&quot;</translation>
    </message>
    <message>
        <source>Read FUSEX</source>
        <translation>Read FUSEX</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞﾃﾞｰﾀ：”２”</source>
        <translation>Command &quot;2&quot;</translation>
    </message>
    <message>
        <source>Program FUSEX</source>
        <translation>Program FUSEX</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞﾃﾞｰﾀ：”３”</source>
        <translation>Command &quot;3&quot;</translation>
    </message>
    <message>
        <source>Load DATA</source>
        <translation>Load Data</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞﾃﾞｰﾀ：”４”</source>
        <translation>Command &quot;4&quot;</translation>
    </message>
    <message>
        <source>Program DATA</source>
        <translation>Program Data</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞﾃﾞｰﾀ：”５”</source>
        <translation>Command &quot;5&quot;</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞﾃﾞｰﾀ：”６”</source>
        <translation>Command &quot;6&quot;</translation>
    </message>
    <message>
        <source>INC Adrress</source>
        <translation>Next Address</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞﾃﾞｰﾀ：”７”</source>
        <translation>Command &quot;7&quot;</translation>
    </message>
    <message>
        <source>18pin mode</source>
        <translation>18-Pin Mode</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞﾃﾞｰﾀ：”；”</source>
        <translation>Command &quot;;&quot;</translation>
    </message>
    <message>
        <source>28pin mode</source>
        <translation>28-Pin Mode</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞﾃﾞｰﾀ：”＜”</source>
        <translation>Command &quot;&lt;&quot;</translation>
    </message>
    <message>
        <source>ｺﾏﾝﾄﾞﾃﾞｰﾀ：”＝”</source>
        <translation>Command &quot;=&quot;</translation>
    </message>
    <message>
        <source>Entry ISPを実行して下さい。</source>
        <translation>Enter ISP mode first.</translation>
    </message>
    <message>
        <source>Load DATA Hi</source>
        <translation>Load data, high byte</translation>
    </message>
    <message>
        <source>Load DATA Low</source>
        <translation>Load data, low byte</translation>
    </message>
</context>
<context>
    <name>operations</name>
    <message>
        <source>ﾃﾞﾊﾞｲｽ消去</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>ﾃﾞﾊﾞｲｽを消去します。</source>
        <translation>The chip will be erased.</translation>
    </message>
    <message>
        <source>時間測定中</source>
        <translation>Timing…</translation>
    </message>
    <message>
        <source>残り&#x3000;%1 %</source>
        <translation>%1 % to go</translation>
    </message>
    <message>
        <source>処理中止 (%1)</source>
        <translation>Stopped (%1)</translation>
    </message>
    <message>
        <source>error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>  デバイス&#x3000;アクセスエラーが発生しました。  !!!&#x3000;&#x3000;&#x3000;&#x3000;  <byte value="xd"/></source>
        <translation>  The chip could not be reached.<byte value="xd"/></translation>
    </message>
    <message>
        <source><byte value="xd"/>  処理を中止しました。&#x3000;</source>
        <translation><byte value="xd"/>  The operation was stopped.</translation>
    </message>
    <message>
        <source>書き込み</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>    書き込みをキャンセルしました。    <byte value="xd"/> <byte value="xd"/>    外部発振モードが選択されていません!!    </source>
        <translation>Programming was cancelled.<byte value="xd"/> <byte value="xd"/>No external oscillator mode is selected.</translation>
    </message>
    <message>
        <source>書き込み中.....</source>
        <translation>Programming…</translation>
    </message>
    <message>
        <source>書込み中.....&#x3000;しばらく御待ち下さい。</source>
        <translation>Programming… Please wait.</translation>
    </message>
    <message>
        <source>書き込み終了</source>
        <translation>Programming finished</translation>
    </message>
    <message>
        <source>読み出し中.....</source>
        <translation>Reading…</translation>
    </message>
    <message>
        <source>読み出し中.....&#x3000;しばらく御待ち下さい。</source>
        <translation>Reading… Please wait.</translation>
    </message>
    <message>
        <source>sx_hex.txtを書き込めません: </source>
        <translation>Cannot write sx_hex.txt: </translation>
    </message>
    <message>
        <source>読み出し終了</source>
        <translation>Read finished</translation>
    </message>
    <message>
        <source>読み出し終了 (sx_hex.txtを書き込めません: </source>
        <translation>Read finished (cannot write sx_hex.txt: </translation>
    </message>
    <message>
        <source>これ以降もエラーが存在します。<byte value="xd"/>

</source>
        <translation>There are more differences.<byte value="xd"/>

</translation>
    </message>
    <message>
        <source>Address=0x%1  Original=%2  Read data=%3</source>
        <translation>Address=0x%1  Image=%2  Chip=%3</translation>
    </message>
    <message>
        <source>&lt; NG &gt;</source>
        <translation>&lt; differs &gt;</translation>
    </message>
    <message>
        <source>&lt; OK &gt;</source>
        <translation>&lt; matches &gt;</translation>
    </message>
    <message>
        <source>ｴﾗｰが多発する様でしたら、基板上のJP1とJP2にｼﾞｬﾝﾊﾟを接続してください。</source>
        <translation>If errors keep coming, fit jumpers on JP1 and JP2 of the board.</translation>
    </message>
    <message>
        <source>プログラムメモリ	FUSEワード	FUSEXワード&#x3000;&#x3000; &#x3000;<byte value="xd"/></source>
        <translation>Program memory	FUSE word	FUSEX word<byte value="xd"/></translation>
    </message>
    <message>
        <source>ベリファイ中.....</source>
        <translation>Verifying…</translation>
    </message>
    <message>
        <source>ベリファイ中..... しばらく御待ち下さい。</source>
        <translation>Verifying… Please wait.</translation>
    </message>
    <message>
        <source>ベリファイ終了</source>
        <translation>Verify finished</translation>
    </message>
    <message>
        <source>正常終了しました。</source>
        <translation>Completed normally.</translation>
    </message>
    <message>
        <source>ベリファイ結果</source>
        <translation>Verify result</translation>
    </message>
    <message>
        <source>ヒント: %1</source>
        <translation>Hint: %1</translation>
    </message>
    <message>
        <source>FUSEはコードプロテクトのビットだけが違います。チップはプロテクトされています（消去すると解除されます）。</source>
        <translation>FUSE differs only in the code protection bit: the chip is protected (erasing it removes the protection).</translation>
    </message>
    <message>
        <source>違いはチップのメモリサイズ（FUSEXで %1 ワード）を超えるアドレスだけです。イメージがチップより大きいです。</source>
        <translation>All differences lie above the chip&apos;s memory size (%1 words by its FUSEX): the image is larger than the chip.</translation>
    </message>
    <message>
        <source>読み出したワードがすべて %1 です。チップにコードプロテクトが掛かっているか、チップが無いか、パッケージの選択が違います。</source>
        <translation>Every word read is %1: code protection is set on the chip, or there is no chip, or the wrong package is selected.</translation>
    </message>
    <message>
        <source>イメージにデータがあるアドレスをチップはブランク（0FFF）と読みました。書き込まれていないか、書込み中に接続が切れました。</source>
        <translation>The chip reads blank (0FFF) where the image has data: it was not programmed, or the connection was lost while programming.</translation>
    </message>
    <message>
        <source>0 であるべきビットが 1 のまま残っています。書込みが足りません。PGM_wait（現在 %1 = %2 ms）を大きくしてください。</source>
        <translation>Bits that should be 0 are still 1: the words were not fully programmed. Raise the program wait (now %1 = %2 ms).</translation>
    </message>
</context>
<context>
    <name>platform</name>
    <message>
        <source>%1 stays locked by another program</source>
        <translation>%1 stays locked by another program</translation>
    </message>
    <message>
        <source>cannot create the lock file %1.lock</source>
        <translation>cannot create the lock file %1.lock</translation>
    </message>
    <message>
        <source>no file named</source>
        <translation>no file named</translation>
    </message>
    <message>
        <source>%1 is a folder</source>
        <translation>%1 is a folder</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 is not a regular file</translation>
    </message>
    <message>
        <source>the folder of %1 does not exist</source>
        <translation>the folder of %1 does not exist</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 cannot be written</translation>
    </message>
    <message>
        <source>stopped while %1 was locked by another program</source>
        <translation>stopped while %1 was locked by another program</translation>
    </message>
    <message>
        <source>the port is in use by another program</source>
        <translation>the port is in use by another program</translation>
    </message>
    <message>
        <source>%1: a file whose name is not UTF-8 can be read, not written</source>
        <translation>%1: a file whose name is not UTF-8 can be read, not written</translation>
    </message>
</context>
<context>
    <name>shell</name>
    <message>
        <source>ﾊﾞｰｼﾞｮﾝ情報 qorvil_pgm</source>
        <translation>About Qorvil</translation>
    </message>
    <message>
        <source>このソフトウェアは無保証です。ご自身の責任でお使いください。</source>
        <translation>This software comes with no warranty. Use it at your own risk.</translation>
    </message>
    <message>
        <source>サポートホームページへジャンプ</source>
        <translation>Open the Support Page</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ｻﾎﾟｰﾄﾍﾟｰｼﾞ : </source>
        <translation>Support page: </translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <source>初期設定</source>
        <translation>Connect…</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ERASE</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>ベリファイ</source>
        <translation>Verify</translation>
    </message>
    <message>
        <source>書き込み</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>読み出し</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Firmware Version</source>
        <translation>Firmware version</translation>
    </message>
    <message>
        <source>ファームウエアバージョン</source>
        <translation>Firmware version of the programmer</translation>
    </message>
    <message>
        <source>HEXﾌｧｲﾙの形式ではありません</source>
        <translation>Not a HEX file</translation>
    </message>
    <message>
        <source>進行状況</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>残り&#x3000;100 %</source>
        <translation>100 % to go</translation>
    </message>
    <message>
        <source>処理内容</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>ファイル保存中止。32755</source>
        <translation>Save cancelled. 32755</translation>
    </message>
    <message>
        <source>処理時間</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>00:00:00</source>
        <translation>00:00:00</translation>
    </message>
    <message>
        <source>設定内容</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>現在の設定内容</source>
        <translation>Current connection settings</translation>
    </message>
    <message>
        <source>Com9 28Pin Rev:OLD</source>
        <translation>COM9, 28 pins, old revision</translation>
    </message>
    <message>
        <source>FUSE 旧ﾚﾋﾞｼﾞｮﾝ</source>
        <translation>FUSE, Old Revision</translation>
    </message>
    <message>
        <source>FUSE Aﾚﾋﾞｼﾞｮﾝ</source>
        <translation>FUSE, A Revision</translation>
    </message>
    <message>
        <source>コマンドﾞ実行</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>メモリダンプ</source>
        <translation>Memory Dump</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>名前を付けて保存...(&amp;A)</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>オプション(&amp;O)</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>初期設定画面(&amp;I)</source>
        <translation>&amp;Connection Settings…</translation>
    </message>
    <message>
        <source>オプション画面(&amp;O)</source>
        <translation>&amp;Fuse Settings</translation>
    </message>
    <message>
        <source>PCバッファメモリクリア(&amp;C)</source>
        <translation>C&amp;lear Image</translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>レビジョンについて(&amp;R)</source>
        <translation>About &amp;Revisions…</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About Qorvil…</translation>
    </message>
    <message>
        <source>残り時間 約 %1:%2</source>
        <translation>About %1:%2 left</translation>
    </message>
    <message>
        <source>レビジョンについて</source>
        <translation>About Revisions</translation>
    </message>
    <message>
        <source>デバイスに捺印されているデートコードでリビジョンを調べます。</source>
        <translation>The date code printed on the chip tells its revision.</translation>
    </message>
    <message>
        <source>old revision  → Datecode : yywwxx</source>
        <translation>old revision  → Datecode : yywwxx</translation>
    </message>
    <message>
        <source> A  revision  → Datecode : Axyywwxx</source>
        <translation> A  revision  → Datecode : Axyywwxx</translation>
    </message>
    <message>
        <source>デバイスの最大動作周波数は、部品番号で調べます。</source>
        <translation>The part number tells the chip&apos;s highest clock frequency.</translation>
    </message>
    <message>
        <source>SX18AC100    &#x3000;→ 100MHz</source>
        <translation>SX18AC100      → 100MHz</translation>
    </message>
    <message>
        <source>SX18AC75 &#x3000;    → 75MHz</source>
        <translation>SX18AC75       → 75MHz</translation>
    </message>
    <message>
        <source>SX18AC(Blank)  → 50MHz</source>
        <translation>SX18AC(Blank)  → 50MHz</translation>
    </message>
    <message>
        <source>情報収集は、SCENIX社のホームページへ。</source>
        <translation>More about the chips: the chip maker&apos;s data sheets.</translation>
    </message>
    <message>
        <source>%1 ヘルプ</source>
        <translation>%1 Help</translation>
    </message>
    <message>
        <source>ヘルプファイルが見つかりません。</source>
        <translation>The help document cannot be found.</translation>
    </message>
    <message>
        <source>通信ログを保存...</source>
        <translation>Save Exchange &amp;Trace…</translation>
    </message>
    <message>
        <source>通信ログを保存</source>
        <translation>Save Exchange Trace</translation>
    </message>
    <message>
        <source>Log File|*.log|ALL Files|*.*|</source>
        <translation>Log files|*.log|All files|*.*|</translation>
    </message>
    <message>
        <source>通信ログを保存できません: %1 (%2)</source>
        <translation>Cannot save the exchange trace: %1 (%2)</translation>
    </message>
    <message>
        <source>SX18AC/SX28AC ISPライター用ホストプログラム</source>
        <translation>Host program for the SX18AC/SX28AC in-system programmer</translation>
    </message>
    <message>
        <source>残り %1 %</source>
        <translation>%1 % to go</translation>
    </message>
    <message>
        <source>%1を読み込めません: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1 がありません。一覧から外しました。</source>
        <translation>%1 is gone; it has left the list of recent files.</translation>
    </message>
    <message>
        <source>サポート情報</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>データシートの入手先</source>
        <translation>Where to get the data sheets</translation>
    </message>
    <message>
        <source>お知らせ</source>
        <translation>Information</translation>
    </message>
</context>
</TS>
