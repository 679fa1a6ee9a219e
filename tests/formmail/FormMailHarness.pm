# Runs FormMail.pl the way a web server does (CGI environment variables and
# standard input) against a fake sendmail that keeps what it is given.
package FormMailHarness;

use strict;
use warnings;
use Exporter 'import';
use File::Temp qw(tempdir);
use MIME::Base64 qw(decode_base64);
use MIME::QuotedPrint qw(decode_qp);

our @EXPORT_OK = qw(encode_form);

# The site every request comes to, and the allow-list of a test install.
our $SITE = 'www.example.org';
our @RECIPIENTS = ('owner@example.com', 'sales@example.com', '@staff.example.net');

# Copies the script into a fresh folder with its configuration block set:
#   recipients => [...]      the allow-list (default @RECIPIENTS)
#   redirect_hosts => [...]  other sites to send visitors to
#   sendmail_exit => N       the fake sendmail's exit status
#   sendmail => PATH         another mail program instead of the fake
sub install {
    my ($class, $script, %options) = @_;
    my $folder = tempdir('formmail-XXXXXX', TMPDIR => 1, CLEANUP => 1);
    my $self = bless { folder => $folder, mail_file => "$folder/mail" }, $class;

    my $fake = "$folder/sendmail";
    write_file($fake, "#!$^X\n" . <<"EOF");
open my \$out, '>', '$self->{mail_file}' or die;
binmode \$out; binmode STDIN;
print \$out join(' ', \@ARGV), "\\n", do { local \$/; <STDIN> };
exit @{[$options{sendmail_exit} // 0]};
EOF
    chmod 0755, $fake;

    my $source = read_file($script);
    my $list = sub { join ', ', map { "'$_'" } @_ };
    set_line(\$source, 'my @allowed_recipients', '(' . $list->(@{ $options{recipients} // \@RECIPIENTS }) . ')');
    set_line(\$source, 'my @redirect_hosts', '(' . $list->(@{ $options{redirect_hosts} // [] }) . ')');
    set_line(\$source, 'my $sendmail', "'" . ($options{sendmail} // $fake) . "'");
    $self->{script} = "$folder/FormMail.pl";
    write_file($self->{script}, $source);
    return $self;
}

# Replaces the value of one line of the configuration block; the line must be there.
sub set_line {
    my ($source, $declaration, $value) = @_;
    my $count = $$source =~ s/^\Q$declaration\E = .*;$/$declaration = $value;/mg;
    die "The configuration line \"$declaration = ...;\" is missing\n" unless $count == 1;
}

# A url-encoded form from name/value pairs, the way a browser sends it.
sub encode_form {
    my @pairs = @_;
    my @parts;
    while (my ($name, $value) = splice @pairs, 0, 2) {
        push @parts, join '=', map { my $t = $_; $t =~ s/([^A-Za-z0-9_.~ -])/sprintf '%%%02X', ord $1/ge;
                                     $t =~ tr/ /+/; $t } $name, $value;
    }
    return join '&', @parts;
}

# A POST of the body (a text, or name/value pairs); extra environment
# variables replace the browser-like defaults.
sub post {
    my ($self, $body, %env) = @_;
    $body = encode_form(@$body) if ref $body;
    return $self->run($body, REQUEST_METHOD => 'POST', CONTENT_TYPE => 'application/x-www-form-urlencoded',
                      CONTENT_LENGTH => length $body, %env);
}

sub get {
    my ($self, $pairs, %env) = @_;
    return $self->run('', REQUEST_METHOD => 'GET', QUERY_STRING => encode_form(@$pairs), %env);
}

# Runs the script once. Returns { status, headers (lower-case names), page,
# mail } where mail is undef when sendmail was not run, else { args, raw,
# headers, subject, body (decoded) }.
sub run {
    my ($self, $input, %env) = @_;
    unlink $self->{mail_file};
    my $input_file = "$self->{folder}/input";
    write_file($input_file, $input);

    my $output = do {
        local %ENV = (PATH => '/usr/bin:/bin', SERVER_NAME => $SITE, SERVER_PORT => 80,
                      REMOTE_ADDR => '192.0.2.7', HTTP_USER_AGENT => 'TestBrowser/1.0', %env);
        delete $ENV{$_} for grep { !defined $ENV{$_} } keys %ENV;
        open my $saved_stdin, '<&', \*STDIN or die;
        open STDIN, '<', $input_file or die;
        open my $from_script, '-|', $^X, '-T', $self->{script} or die "cannot run the script: $!";
        open STDIN, '<&', $saved_stdin or die;
        binmode $from_script;
        local $/;
        my $text = <$from_script>;
        close $from_script;
        $text;
    };

    my ($head, $page) = split /\r\n\r\n/, $output, 2;
    my %headers = map { my ($n, $v) = split /:\s*/, $_, 2; (lc $n => $v) } split /\r\n/, $head;
    return { status => $headers{status} // '', headers => \%headers, page => $page // '',
             mail => -e $self->{mail_file} ? parse_mail(read_file($self->{mail_file})) : undef };
}

sub parse_mail {
    my ($text) = @_;
    my ($args, $raw) = split /\n/, $text, 2;
    my ($head, $body) = split /\n\n/, $raw, 2;
    $head =~ s/\n[ \t]+/ /g;
    my %headers = map { my ($n, $v) = split /:\s*/, $_, 2; (lc $n => $v) } split /\n/, $head;
    (my $subject = $headers{subject} // '') =~ s/=\?[^?]+\?B\?([^?]*)\?=\s*/decode_base64($1)/ge;
    return { args => $args, raw => $raw, headers => \%headers, subject => $subject, body => decode_qp($body) };
}

sub read_file {
    my ($path) = @_;
    open my $in, '<:raw', $path or die "$path: $!";
    local $/;
    return scalar <$in>;
}

sub write_file {
    my ($path, $text) = @_;
    open my $out, '>:raw', $path or die "$path: $!";
    print $out $text;
    close $out or die "$path: $!";
}

1;
