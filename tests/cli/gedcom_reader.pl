#!/usr/bin/perl
# Reads a GEDCOM export with the Perl Gedcom module (an independent reader) and
# compares it with the neighborhood's dump: the reader's validation finds no
# error, there is one person per Sim and per distinct typed-in parent name, and
# every parent link of the neighborhood is a parent-child link of the file.
# Usage: gedcom_reader.pl EXPORT.ged DUMP.json
use strict;
use warnings;
use Gedcom;
use JSON::PP;

my ($ged_path, $dump_path) = @ARGV;
my $failed = 0;
sub fail { print "FAIL: @_\n"; $failed = 1; }

# Anything the reader says while reading or validating is an error here.
my @said;
local $SIG{__WARN__} = sub { push @said, @_ };
open(my $saved_err, '>&', \*STDERR) or die;
close STDERR;
open(STDERR, '>', \my $err_text) or die;
my $ged = Gedcom->new(gedcom_file => $ged_path, read_only => 1);
my $valid = $ged->validate;
close STDERR;
open(STDERR, '>&', $saved_err) or die;
fail("validation failed") unless $valid;
fail("the reader said: $err_text") if defined $err_text && length $err_text;
fail("the reader warned: @said") if @said;

open(my $fh, '<:raw', $dump_path) or die "cannot read $dump_path";
my $dump = decode_json(do { local $/; <$fh> });

my (%typed, %want, $sims);
for my $family (@{ $dump->{families} }) {
    for my $sim (@{ $family->{members} }) {
        ++$sims;
        for my $parent (grep { defined } $sim->{mom}, $sim->{dad}) {
            next if $parent->{isSim} && $parent->{name} eq $sim->{fullName};
            $typed{ $parent->{name} } = 1 unless $parent->{isSim};
            $want{"$parent->{name} -> $sim->{fullName}"} = 1;
        }
    }
}

sub plain_name {
    my ($name) = @_;
    $name =~ s{/}{ }g;
    $name =~ s/\s+/ /g;
    $name =~ s/^ | $//g;
    utf8::encode($name) if utf8::is_utf8($name);
    return $name;
}

my @people = $ged->individuals;
my $expected_people = $sims + keys %typed;
fail(scalar(@people) . " persons, expected $expected_people") unless @people == $expected_people;

my %got;
for my $child (@people) {
    for my $parent ($child->parents) {
        $got{ plain_name($parent->name) . " -> " . plain_name($child->name) } = 1;
    }
}
for my $link (sort keys %want) {
    fail("parent link missing from the file: $link") unless $got{$link};
}
for my $link (sort keys %got) {
    fail("parent link the neighborhood does not have: $link") unless $want{$link};
}
print "persons: " . scalar(@people) . ", parent links: " . scalar(keys %want) . "\n";
exit($failed ? 1 : 0);
