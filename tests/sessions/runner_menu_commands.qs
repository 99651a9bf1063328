# The file commands are disabled; the about box ends with the queued answer, then by its close box.
start
command new
command open
command save
command saveas
answer 1
command about
command about
