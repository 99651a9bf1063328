# Opening a calculation another user sent and quitting: the form shows the file's fluid data (g 0
# among them), and closing writes none of them into the shared settings file, which stays as it was.
start
open empfangen.qrx
show 1003 1005 1013 1006
close
