#!/bin/sh
# help2man reads nestrel-cli's help through this: the full help (every subcommand with
# its options) laid out so that each subcommand becomes an entry of its own on the
# manual page. Everything else goes to the program unchanged.
# Usage: NESTREL_CLI=path/to/nestrel-cli nestrel-cli-help.sh ARGS...
if [ "$1" = --help-all ]; then
  "$NESTREL_CLI" --help-all | sed -e '/^Subcommands:$/{p;s/.*//;}' -e '/^  Positionals:$/d' -e '/^  Options:$/d'
else
  exec "$NESTREL_CLI" "$@"
fi
